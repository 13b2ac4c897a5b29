<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>Readouts</name>
    <message>
        <source>liczba ze znakiem: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusArea</name>
    <message>
        <source>&lt;font color=&quot;clwhite&quot;&gt;&lt;b&gt;Rodazu&lt;/b&gt; system sterowania i pomiarów dla amatorów i profesjonalistów</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Revove OEE&lt;/b&gt; system monitorowania pracy maszyn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;CMMS Varedov&lt;/b&gt; oprogramowanie dla służb utrzymania ruchu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Rodazu&lt;/b&gt; system sterowania i pomiarów dla amatorów i profesjonalistów</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Gratis&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oprogramowanie bezpłatne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kalkulator liczb 16-bitowych</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do użytku prywatnego i firmowego</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bez rejestracji i bez reklam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niczego nie zapisuje na dysku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oprogramowanie dla przemysłu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Systemy sterowania, oprogramowanie PLC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Systemy kontroli i wspomagania produkcji</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oprogramowanie na zamówienie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapraszamy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TEditField</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>A bit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B bit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result bit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B decimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B hexadecimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A decimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A hexadecimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate A left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate A right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate B left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate B right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap the nibbles of A&apos;s low byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap the nibbles of A&apos;s high byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap A&apos;s bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A low byte character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A high byte character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B low byte character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B high byte character</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
