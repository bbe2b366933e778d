<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Qt's own words in the dialogs and boxes the program shows (its message boxes, the file
     dialog of "Save as PDF", a text box's menu): Qt has no Welsh of its own.
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
    <message>
        <source>Save</source>
        <translation>Cadw</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Agor</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ie</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Na</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cau</translation>
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
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Chwilio yn:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Enw ffeil:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Math o ffeil:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Cadw</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Cadw Fel</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Agor</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Yn ôl</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Ymlaen</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Ffolder Uwch</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Creu Ffolder Newydd</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Creu Ffolder Newydd</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Ffolder Newydd</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Ffolder &amp;Newydd</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Rhestr</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Manylion</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Mynd yn ôl</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Mynd ymlaen</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Mynd i&apos;r ffolder uwch</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Dangos fel rhestr</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Dangos y manylion</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bar ochr</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Rhestr o leoedd a nodau tudalen</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Lleoedd diweddar</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Mae %1 yn bodoli eisoes.
Ydych chi am roi un newydd yn ei le?</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Nid oes ffolder o&apos;r enw hwn.
Gwiriwch enw&apos;r ffolder.</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Nid oes ffeil o&apos;r enw hwn.
Gwiriwch enw&apos;r ffeil.</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Dangos ffeiliau &amp;cudd</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Ailenwi</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Dileu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Dileu</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Tynnu</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Ffolder:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Ffeiliau</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Ffolderi</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Pob Ffeil (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Pob ffeil (*)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Ydych chi&apos;n siŵr eich bod am ddileu &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>Mae &apos;%1&apos; wedi&apos;i diogelu rhag newid.
Ydych chi am ei dileu er hynny?</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Nid oedd modd dileu&apos;r ffolder.</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Enw</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Maint</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Math</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Math</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Dyddiad Newid</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Fy Nghyfrifiadur</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Cyfrifiadur</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Dewis y Cyfan</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Cynyddu</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>&amp;Lleihau</translation>
    </message>
</context>
</TS>
