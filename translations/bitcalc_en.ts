<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CopyMenu</name>
    <message>
        <source>Copy the result</source>
        <translation>Copy the result</translation>
    </message>
    <message>
        <source>Copy A</source>
        <translation>Copy A</translation>
    </message>
    <message>
        <source>Copy B</source>
        <translation>Copy B</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copy %1</translation>
    </message>
    <message>
        <source>Copy character</source>
        <translation>Copy character</translation>
    </message>
</context>
<context>
    <name>Readouts</name>
    <message>
        <source>liczba ze znakiem: </source>
        <translation>signed number: </translation>
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
        <translation>Result</translation>
    </message>
    <message>
        <source>%1, bits %2 to %3: %4, hexadecimal %5</source>
        <translation>%1, bits %2 to %3: %4, hexadecimal %5</translation>
    </message>
    <message>
        <source>%1, decimal: %2</source>
        <translation>%1, decimal: %2</translation>
    </message>
    <message>
        <source>%1, hexadecimal: %2</source>
        <translation>%1, hexadecimal: %2</translation>
    </message>
    <message>
        <source>%1, signed: %2</source>
        <translation>%1, signed: %2</translation>
    </message>
    <message>
        <source>%1, low byte character: %2</source>
        <translation>%1, low byte character: %2</translation>
    </message>
    <message>
        <source>%1, high byte character: %2</source>
        <translation>%1, high byte character: %2</translation>
    </message>
    <message>
        <source>%1, characters: high byte %2, low byte %3</source>
        <translation>%1, characters: high byte %2, low byte %3</translation>
    </message>
</context>
<context>
    <name>StatusArea</name>
    <message>
        <source>&lt;font color=&quot;clwhite&quot;&gt;&lt;b&gt;Rodazu&lt;/b&gt; system sterowania i pomiarów dla amatorów i profesjonalistów</source>
        <translation>&lt;font color=&quot;clwhite&quot;&gt;&lt;b&gt;Rodazu&lt;/b&gt; control and measurement system for amateurs and professionals</translation>
    </message>
    <message>
        <source>&lt;b&gt;Revove OEE&lt;/b&gt; system monitorowania pracy maszyn</source>
        <translation>&lt;b&gt;Revove OEE&lt;/b&gt; machine monitoring system</translation>
    </message>
    <message>
        <source>&lt;b&gt;CMMS Varedov&lt;/b&gt; oprogramowanie dla służb utrzymania ruchu</source>
        <translation>&lt;b&gt;CMMS Varedov&lt;/b&gt; software for maintenance teams</translation>
    </message>
    <message>
        <source>&lt;b&gt;Rodazu&lt;/b&gt; system sterowania i pomiarów dla amatorów i profesjonalistów</source>
        <translation>&lt;b&gt;Rodazu&lt;/b&gt; control and measurement system for amateurs and professionals</translation>
    </message>
    <message>
        <source>&lt;b&gt;Gratis&lt;/b&gt;</source>
        <translation>&lt;b&gt;Free&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Oprogramowanie bezpłatne</source>
        <translation>Free software</translation>
    </message>
    <message>
        <source>Kalkulator liczb 16-bitowych</source>
        <translation>A calculator for 16-bit numbers</translation>
    </message>
    <message>
        <source>Do użytku prywatnego i firmowego</source>
        <translation>For private and business use</translation>
    </message>
    <message>
        <source>Bez rejestracji i bez reklam</source>
        <translation>No registration, no advertising</translation>
    </message>
    <message>
        <source>Niczego nie zapisuje na dysku</source>
        <translation>Writes nothing to disk</translation>
    </message>
    <message>
        <source>Oprogramowanie dla przemysłu</source>
        <translation>Software for industry</translation>
    </message>
    <message>
        <source>Systemy sterowania, oprogramowanie PLC</source>
        <translation>Control systems, PLC software</translation>
    </message>
    <message>
        <source>Systemy kontroli i wspomagania produkcji</source>
        <translation>Production control and support systems</translation>
    </message>
    <message>
        <source>Oprogramowanie na zamówienie</source>
        <translation>Custom software</translation>
    </message>
    <message>
        <source>Zapraszamy</source>
        <translation>Welcome</translation>
    </message>
</context>
<context>
    <name>TEditField</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Select &amp;All</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>A bit %1</source>
        <translation>A bit %1</translation>
    </message>
    <message>
        <source>B bit %1</source>
        <translation>B bit %1</translation>
    </message>
    <message>
        <source>Result bit %1</source>
        <translation>Result bit %1</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>B decimal</source>
        <translation>B decimal</translation>
    </message>
    <message>
        <source>B hexadecimal</source>
        <translation>B hexadecimal</translation>
    </message>
    <message>
        <source>A decimal</source>
        <translation>A decimal</translation>
    </message>
    <message>
        <source>A hexadecimal</source>
        <translation>A hexadecimal</translation>
    </message>
    <message>
        <source>Rotate A left</source>
        <translation>Rotate A left</translation>
    </message>
    <message>
        <source>Rotate A right</source>
        <translation>Rotate A right</translation>
    </message>
    <message>
        <source>Rotate B left</source>
        <translation>Rotate B left</translation>
    </message>
    <message>
        <source>Rotate B right</source>
        <translation>Rotate B right</translation>
    </message>
    <message>
        <source>Invert A</source>
        <translation>Invert A</translation>
    </message>
    <message>
        <source>Reset A</source>
        <translation>Reset A</translation>
    </message>
    <message>
        <source>Invert B</source>
        <translation>Invert B</translation>
    </message>
    <message>
        <source>Reset B</source>
        <translation>Reset B</translation>
    </message>
    <message>
        <source>Swap the nibbles of A&apos;s low byte</source>
        <translation>Swap the nibbles of A&apos;s low byte</translation>
    </message>
    <message>
        <source>Swap the nibbles of A&apos;s high byte</source>
        <translation>Swap the nibbles of A&apos;s high byte</translation>
    </message>
    <message>
        <source>Swap A&apos;s bytes</source>
        <translation>Swap A&apos;s bytes</translation>
    </message>
    <message>
        <source>A low byte character</source>
        <translation>A low byte character</translation>
    </message>
    <message>
        <source>A high byte character</source>
        <translation>A high byte character</translation>
    </message>
    <message>
        <source>B low byte character</source>
        <translation>B low byte character</translation>
    </message>
    <message>
        <source>B high byte character</source>
        <translation>B high byte character</translation>
    </message>
</context>
<context>
    <name>bitcalc</name>
    <message>
        <source>cannot write %1</source>
        <translation>cannot write %1</translation>
    </message>
    <message>
        <source>cannot open a display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>cannot open a display: neither DISPLAY nor WAYLAND_DISPLAY is set</translation>
    </message>
    <message>
        <source>cannot open display &apos;%1&apos;</source>
        <translation>cannot open display &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot open Wayland display &apos;%1&apos;</source>
        <translation>cannot open Wayland display &apos;%1&apos;</translation>
    </message>
    <message>
        <source>cannot open display &apos;%1&apos;, nor Wayland display &apos;%2&apos;</source>
        <translation>cannot open display &apos;%1&apos;, nor Wayland display &apos;%2&apos;</translation>
    </message>
    <message>
        <source>option &apos;--snapshot&apos; needs a file name</source>
        <translation>option &apos;--snapshot&apos; needs a file name</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unknown option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;--snapshot&apos; given twice</source>
        <translation>option &apos;--snapshot&apos; given twice</translation>
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
        <translation>Usage: bitcalc [--snapshot FILE]
A calculator for 16-bit values, in one window.

  --snapshot FILE  render the window to FILE as a PNG image and exit;
                   needs no display
  --help           show this help and exit
  --version        show the version and exit

With no option, the window opens on the display that WAYLAND_DISPLAY
or DISPLAY names, or on the platform that QT_QPA_PLATFORM names.
A right click on a readout offers to copy its value.
</translation>
    </message>
    <message>
        <source>Try &apos;bitcalc --help&apos;</source>
        <translation>Try &apos;bitcalc --help&apos;</translation>
    </message>
</context>
</TS>
