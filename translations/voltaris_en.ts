<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CommandLine</name>
    <message>
        <source>Voltaris 2010: charged spheres in a square, their potential as a coloured surface and a top view
with equipotential and field lines, and charged particles launched through the field.</source>
        <translation>Voltaris 2010: charged spheres in a square, their potential as a coloured surface and a top view
with equipotential and field lines, and charged particles launched through the field.</translation>
    </message>
    <message>
        <source>Start without the splash window.</source>
        <translation>Start without the splash window.</translation>
    </message>
    <message>
        <source>Send no usage report during this run.</source>
        <translation>Send no usage report during this run.</translation>
    </message>
    <message>
        <source>Language of the interface: de (German) or en (English). Without it the program is English when the system&apos;s language is English, German otherwise.</source>
        <translation>Language of the interface: de (German) or en (English). Without it the program is English when the system&apos;s language is English, German otherwise.</translation>
    </message>
    <message>
        <source>A project file (.psf) to open once the program has started.</source>
        <translation>A project file (.psf) to open once the program has started.</translation>
    </message>
    <message>
        <source>Only one project file can be opened.</source>
        <translation>Only one project file can be opened.</translation>
    </message>
    <message>
        <source>Unknown language &apos;%1&apos;: use de or en.</source>
        <translation>Unknown language &apos;%1&apos;: use de or en.</translation>
    </message>
    <message>
        <source>Try &apos;voltaris --help&apos;.</source>
        <translation>Try &apos;voltaris --help&apos;.</translation>
    </message>
</context>
<context>
    <name>NumberFormat</name>
    <message>
        <source>&apos;%1&apos; ist kein gültiger Gleitkommawert</source>
        <translation>&apos;%1&apos; is not a valid floating-point value</translation>
    </message>
</context>
<context>
    <name>voltaris::LanguageMenu</name>
    <message>
        <source>&amp;Sprache / Language</source>
        <translation>&amp;Sprache / Language</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
</context>
</TS>
