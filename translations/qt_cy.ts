<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Qt's own words in the dialogs and boxes the program shows: Qt has no Welsh of its own.
     Written by hand (lupdate does not read Qt's sources); keep the contexts as Qt names them. -->
<TS version="2.1" language="cy_GB" sourcelanguage="en_GB">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Iawn</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Canslo</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Dadwneud</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ailwneud</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Torri</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copïo</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Gludo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Dileu</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Dewis y Cyfan</translation>
    </message>
</context>
</TS>
