<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CopyMenu</name>
    <message>
        <source>Copy the result</source>
        <translation>Kopiuj wynik</translation>
    </message>
    <message>
        <source>Copy A</source>
        <translation>Kopiuj A</translation>
    </message>
    <message>
        <source>Copy B</source>
        <translation>Kopiuj B</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Kopiuj %1</translation>
    </message>
    <message>
        <source>Copy character</source>
        <translation>Kopiuj znak</translation>
    </message>
</context>
<context>
    <name>Readouts</name>
    <message>
        <source>liczba ze znakiem: </source>
        <translation>liczba ze znakiem: </translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>%1, bits %2 to %3: %4, hexadecimal %5</source>
        <translation>%1, bity od %2 do %3: %4, szesnastkowo %5</translation>
    </message>
    <message>
        <source>%1, decimal: %2</source>
        <translation>%1, dziesiętnie: %2</translation>
    </message>
    <message>
        <source>%1, hexadecimal: %2</source>
        <translation>%1, szesnastkowo: %2</translation>
    </message>
    <message>
        <source>%1, signed: %2</source>
        <translation>%1, ze znakiem: %2</translation>
    </message>
    <message>
        <source>%1, low byte character: %2</source>
        <translation>%1, znak młodszego bajtu: %2</translation>
    </message>
    <message>
        <source>%1, high byte character: %2</source>
        <translation>%1, znak starszego bajtu: %2</translation>
    </message>
    <message>
        <source>%1, characters: high byte %2, low byte %3</source>
        <translation>%1, znaki: starszy bajt %2, młodszy bajt %3</translation>
    </message>
</context>
<context>
    <name>StatusArea</name>
    <message>
        <source>&lt;font color=&quot;clwhite&quot;&gt;&lt;b&gt;Rodazu&lt;/b&gt; system sterowania i pomiarów dla amatorów i profesjonalistów</source>
        <translation>&lt;font color=&quot;clwhite&quot;&gt;&lt;b&gt;Rodazu&lt;/b&gt; system sterowania i pomiarów dla amatorów i profesjonalistów</translation>
    </message>
    <message>
        <source>&lt;b&gt;Revove OEE&lt;/b&gt; system monitorowania pracy maszyn</source>
        <translation>&lt;b&gt;Revove OEE&lt;/b&gt; system monitorowania pracy maszyn</translation>
    </message>
    <message>
        <source>&lt;b&gt;CMMS Varedov&lt;/b&gt; oprogramowanie dla służb utrzymania ruchu</source>
        <translation>&lt;b&gt;CMMS Varedov&lt;/b&gt; oprogramowanie dla służb utrzymania ruchu</translation>
    </message>
    <message>
        <source>&lt;b&gt;Rodazu&lt;/b&gt; system sterowania i pomiarów dla amatorów i profesjonalistów</source>
        <translation>&lt;b&gt;Rodazu&lt;/b&gt; system sterowania i pomiarów dla amatorów i profesjonalistów</translation>
    </message>
    <message>
        <source>&lt;b&gt;Gratis&lt;/b&gt;</source>
        <translation>&lt;b&gt;Gratis&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Oprogramowanie bezpłatne</source>
        <translation>Oprogramowanie bezpłatne</translation>
    </message>
    <message>
        <source>Kalkulator liczb 16-bitowych</source>
        <translation>Kalkulator liczb 16-bitowych</translation>
    </message>
    <message>
        <source>Do użytku prywatnego i firmowego</source>
        <translation>Do użytku prywatnego i firmowego</translation>
    </message>
    <message>
        <source>Bez rejestracji i bez reklam</source>
        <translation>Bez rejestracji i bez reklam</translation>
    </message>
    <message>
        <source>Niczego nie zapisuje na dysku</source>
        <translation>Niczego nie zapisuje na dysku</translation>
    </message>
    <message>
        <source>Oprogramowanie dla przemysłu</source>
        <translation>Oprogramowanie dla przemysłu</translation>
    </message>
    <message>
        <source>Systemy sterowania, oprogramowanie PLC</source>
        <translation>Systemy sterowania, oprogramowanie PLC</translation>
    </message>
    <message>
        <source>Systemy kontroli i wspomagania produkcji</source>
        <translation>Systemy kontroli i wspomagania produkcji</translation>
    </message>
    <message>
        <source>Oprogramowanie na zamówienie</source>
        <translation>Oprogramowanie na zamówienie</translation>
    </message>
    <message>
        <source>Zapraszamy</source>
        <translation>Zapraszamy</translation>
    </message>
</context>
<context>
    <name>TEditField</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Wy&amp;tnij</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Wk&amp;lej</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Zaznacz &amp;wszystko</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>A bit %1</source>
        <translation>Bit %1 liczby A</translation>
    </message>
    <message>
        <source>B bit %1</source>
        <translation>Bit %1 liczby B</translation>
    </message>
    <message>
        <source>Result bit %1</source>
        <translation>Bit %1 wyniku</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Działanie</translation>
    </message>
    <message>
        <source>B decimal</source>
        <translation>B dziesiętnie</translation>
    </message>
    <message>
        <source>B hexadecimal</source>
        <translation>B szesnastkowo</translation>
    </message>
    <message>
        <source>A decimal</source>
        <translation>A dziesiętnie</translation>
    </message>
    <message>
        <source>A hexadecimal</source>
        <translation>A szesnastkowo</translation>
    </message>
    <message>
        <source>Rotate A left</source>
        <translation>Obróć A w lewo</translation>
    </message>
    <message>
        <source>Rotate A right</source>
        <translation>Obróć A w prawo</translation>
    </message>
    <message>
        <source>Rotate B left</source>
        <translation>Obróć B w lewo</translation>
    </message>
    <message>
        <source>Rotate B right</source>
        <translation>Obróć B w prawo</translation>
    </message>
    <message>
        <source>Invert A</source>
        <translation>Zaneguj A</translation>
    </message>
    <message>
        <source>Reset A</source>
        <translation>Wyzeruj A</translation>
    </message>
    <message>
        <source>Invert B</source>
        <translation>Zaneguj B</translation>
    </message>
    <message>
        <source>Reset B</source>
        <translation>Wyzeruj B</translation>
    </message>
    <message>
        <source>Swap the nibbles of A&apos;s low byte</source>
        <translation>Zamień półbajty młodszego bajtu A</translation>
    </message>
    <message>
        <source>Swap the nibbles of A&apos;s high byte</source>
        <translation>Zamień półbajty starszego bajtu A</translation>
    </message>
    <message>
        <source>Swap A&apos;s bytes</source>
        <translation>Zamień bajty A</translation>
    </message>
    <message>
        <source>A low byte character</source>
        <translation>Znak młodszego bajtu A</translation>
    </message>
    <message>
        <source>A high byte character</source>
        <translation>Znak starszego bajtu A</translation>
    </message>
    <message>
        <source>B low byte character</source>
        <translation>Znak młodszego bajtu B</translation>
    </message>
    <message>
        <source>B high byte character</source>
        <translation>Znak starszego bajtu B</translation>
    </message>
</context>
<context>
    <name>bitcalc</name>
    <message>
        <source>cannot write %1</source>
        <translation>nie można zapisać %1</translation>
    </message>
    <message>
        <source>cannot open a display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>nie można otworzyć ekranu: nie ustawiono ani DISPLAY, ani WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>cannot open display &apos;%1&apos;</source>
        <translation>nie można otworzyć ekranu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot open Wayland display &apos;%1&apos;</source>
        <translation>nie można otworzyć ekranu Wayland &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot open display &apos;%1&apos;, nor Wayland display &apos;%2&apos;</source>
        <translation>nie można otworzyć ani ekranu &apos;%1&apos;, ani ekranu Wayland &apos;%2&apos;</translation>
    </message>
    <message>
        <source>option &apos;--snapshot&apos; needs a file name</source>
        <translation>opcja &apos;--snapshot&apos; wymaga nazwy pliku</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--snapshot&apos; given twice</source>
        <translation>opcję &apos;--snapshot&apos; podano dwukrotnie</translation>
    </message>
    <message>
        <source>Usage: bitcalc [--snapshot FILE]
A calculator for 16-bit values, in one window.

  --snapshot FILE  render the window to FILE as a PNG image and exit;
                   needs no display
  --help           show this help and exit
  --version        show the version and exit

With no option, the window opens on the display that WAYLAND_DISPLAY
or DISPLAY names, or on the platform that QT_QPA_PLATFORM names.
A right click on a readout offers to copy its value.
</source>
        <translation>Użycie: bitcalc [--snapshot PLIK]
Kalkulator wartości 16-bitowych w jednym oknie.

  --snapshot PLIK  zapisz obraz okna do PLIKU jako PNG i zakończ;
                   nie wymaga ekranu
  --help           pokaż tę pomoc i zakończ
  --version        pokaż wersję i zakończ

Bez opcji okno otwiera się na ekranie wskazanym przez WAYLAND_DISPLAY
lub DISPLAY albo na platformie wskazanej przez QT_QPA_PLATFORM.
Kliknięcie prawym przyciskiem na odczycie pozwala skopiować jego wartość.
</translation>
    </message>
    <message>
        <source>Try &apos;bitcalc --help&apos;</source>
        <translation>Spróbuj &apos;bitcalc --help&apos;</translation>
    </message>
</context>
</TS>
