<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cy_GB" sourcelanguage="en_GB">
<context>
    <name>bs::ActivityScreen</name>
    <message>
        <source>Exit</source>
        <translation>Gadael</translation>
    </message>
    <message>
        <source>Start Again</source>
        <translation>Dechrau Eto</translation>
    </message>
    <message>
        <source>Check Score</source>
        <translation>Gwirio&apos;r Sgôr</translation>
    </message>
    <message>
        <source>Press Space to pick it up, then choose a box with Tab and press Space to put it there.</source>
        <translation>Pwysa&apos;r Bylchwr i&apos;w godi, yna dewisa flwch gyda Tab a phwysa&apos;r Bylchwr i&apos;w roi yno.</translation>
    </message>
    <message>
        <source>Box %1 of %2</source>
        <translation>Blwch %1 o %2</translation>
    </message>
    <message>
        <source>Starting place %1 of %2</source>
        <translation>Man cychwyn %1 o %2</translation>
    </message>
    <message>
        <source>in the box for %1</source>
        <translation>yn y blwch ar gyfer %1</translation>
    </message>
    <message>
        <source>placed in the box for %1</source>
        <translation>wedi&apos;i osod yn y blwch ar gyfer %1</translation>
    </message>
    <message>
        <source>in box %1 of %2</source>
        <translation>ym mlwch %1 o %2</translation>
    </message>
    <message>
        <source>placed in box %1 of %2</source>
        <translation>wedi&apos;i osod ym mlwch %1 o %2</translation>
    </message>
    <message>
        <source>not placed</source>
        <translation>heb ei osod</translation>
    </message>
    <message>
        <source>picked up</source>
        <translation>wedi&apos;i godi</translation>
    </message>
</context>
<context>
    <name>bs::Catalogue</name>
    <message>
        <source>The first line of the catalogue is not a number.</source>
        <translation>Nid yw llinell gyntaf y catalog yn rhif.</translation>
    </message>
    <message>
        <source>The catalogue&apos;s count of titles is negative.</source>
        <translation>Mae nifer y teitlau yn y catalog yn negyddol.</translation>
    </message>
    <message>
        <source>The title “%1” cannot be stored in the catalogue.</source>
        <translation>Ni ellir cadw&apos;r teitl “%1” yn y catalog.</translation>
    </message>
    <message>
        <source>The list of worksheets is being changed on another computer; please try again.</source>
        <translation>Mae&apos;r rhestr o daflenni gwaith yn cael ei newid ar gyfrifiadur arall; rhowch gynnig arall arni.</translation>
    </message>
    <message>
        <source>Cannot change the list of worksheets: no permission to write in its folder.</source>
        <translation>Ni ellir newid y rhestr o daflenni gwaith: nid oes caniatâd i ysgrifennu yn ei ffolder.</translation>
    </message>
    <message>
        <source>Cannot change the list of worksheets: its lock file cannot be made.</source>
        <translation>Ni ellir newid y rhestr o daflenni gwaith: ni ellir creu ei ffeil gloi.</translation>
    </message>
    <message>
        <source>The catalogue lists more than %1 worksheets.</source>
        <translation>Mae&apos;r catalog yn rhestru mwy na %1 o daflenni gwaith.</translation>
    </message>
    <message>
        <source>The catalogue can hold at most %1 worksheets.</source>
        <translation>Gall y catalog ddal %1 o daflenni gwaith ar y mwyaf.</translation>
    </message>
    <message>
        <source>The catalogue already holds %1 worksheets; delete one before adding another.</source>
        <translation>Mae&apos;r catalog eisoes yn dal %1 o daflenni gwaith; dilëwch un cyn ychwanegu un arall.</translation>
    </message>
</context>
<context>
    <name>bs::DrawingPages</name>
    <message>
        <source>There was a problem printing to your printer.</source>
        <translation>Roedd problem wrth argraffu ar dy argraffydd.</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Tud.</translation>
    </message>
    <message>
        <source> of</source>
        <translation> o</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Argraffu</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Gadael</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Tudalen Nesaf</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Tudalen Flaenorol</translation>
    </message>
</context>
<context>
    <name>bs::Intro0</name>
    <message>
        <source>Llandudno</source>
        <translation>Llandudno</translation>
    </message>
    <message>
        <source>Isles of Scilly</source>
        <translation>Ynysoedd Syllan</translation>
    </message>
    <message>
        <source>St Lucia</source>
        <translation>St Lucia</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Hanes</translation>
    </message>
    <message>
        <source>Physical Geography</source>
        <translation>Daearyddiaeth Ffisegol</translation>
    </message>
    <message>
        <source>Human Geography</source>
        <translation>Daearyddiaeth Ddynol</translation>
    </message>
    <message>
        <source>Economy</source>
        <translation>Economi</translation>
    </message>
    <message>
        <source>Living by the sea</source>
        <translation>Byw ger y môr</translation>
    </message>
    <message>
        <source>Teachers&apos; Guide</source>
        <translation>Canllaw i Athrawon</translation>
    </message>
    <message>
        <source>Acknowledgments</source>
        <translation>Cydnabyddiaethau</translation>
    </message>
    <message>
        <source>Multiple Choice Wizard</source>
        <translation>Dewin Amlddewis</translation>
    </message>
    <message>
        <source>Worksheet Catalogue</source>
        <translation>Catalog Taflenni Gwaith</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Gadael</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Sain Ymlaen</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Dim Sain</translation>
    </message>
    <message>
        <source>The topic “%1” could not be opened.</source>
        <translation>Nid oedd modd agor y pwnc “%1”.</translation>
    </message>
    <message>
        <source>Title picture</source>
        <translation>Llun y teitl</translation>
    </message>
    <message>
        <source>Our Topics</source>
        <translation>Ein Pynciau</translation>
    </message>
    <message>
        <source>Change Pupil</source>
        <translation>Newid Disgybl</translation>
    </message>
    <message>
        <source>No pupil named yet</source>
        <translation>Dim disgybl wedi&apos;i enwi eto</translation>
    </message>
    <message>
        <source>Named now: %1</source>
        <translation>Wedi&apos;i enwi nawr: %1</translation>
    </message>
    <message>
        <source>Named now: %1, %2</source>
        <translation>Wedi&apos;i enwi nawr: %1, %2</translation>
    </message>
    <message>
        <source>Class Results</source>
        <translation>Canlyniadau&apos;r Dosbarth</translation>
    </message>
</context>
<context>
    <name>bs::Multiple</name>
    <message>
        <source>Multiple Choice</source>
        <translation>Amlddewis</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous Question</source>
        <translation>&lt;&lt; Cwestiwn Blaenorol</translation>
    </message>
    <message>
        <source>Next Question &gt;&gt;</source>
        <translation>Cwestiwn Nesaf &gt;&gt;</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Gadael</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Argraffu&apos;r Daflen</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Cwestiwn</translation>
    </message>
    <message>
        <source>Check Score &gt;&gt;</source>
        <translation>Gwirio&apos;r Sgôr &gt;&gt;</translation>
    </message>
    <message>
        <source>Question </source>
        <translation>Cwestiwn </translation>
    </message>
    <message>
        <source>There was a problem printing to your printer.</source>
        <translation>Roedd problem wrth argraffu ar dy argraffydd.</translation>
    </message>
    <message>
        <source>Your worksheet is now printing.</source>
        <translation>Mae dy daflen waith yn cael ei hargraffu nawr.</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Dim ateb</translation>
    </message>
    <message>
        <source>Quiz picture</source>
        <translation>Llun y cwis</translation>
    </message>
</context>
<context>
    <name>bs::NotesViewer</name>
    <message>
        <source>Acknowledgments</source>
        <translation>Cydnabyddiaethau</translation>
    </message>
    <message>
        <source>Key facts</source>
        <translation>Prif ffeithiau</translation>
    </message>
    <message>
        <source>Teacher&apos;s notes</source>
        <translation>Nodiadau i athrawon</translation>
    </message>
    <message>
        <source>Page 1 of 3</source>
        <translation>Tud. 1 o 3</translation>
    </message>
    <message>
        <source>Print Topic Pack</source>
        <translation>Argraffu Pecyn Pwnc</translation>
    </message>
    <message>
        <source>Animated logo</source>
        <translation>Logo symudol</translation>
    </message>
    <message>
        <source>Publisher&apos;s logo</source>
        <translation>Logo&apos;r cyhoeddwr</translation>
    </message>
</context>
<context>
    <name>bs::QtDialogs</name>
    <message>
        <source>Print Topic Pack</source>
        <translation>Argraffu Pecyn Pwnc</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>I&apos;w gynnwys</translation>
    </message>
    <message>
        <source>&amp;Copies of the pupil sheets:</source>
        <translation>&amp;Copïau o daflenni&apos;r disgyblion:</translation>
    </message>
    <message>
        <source>Copies of the pupil sheets</source>
        <translation>Copïau o daflenni&apos;r disgyblion</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Argraffu</translation>
    </message>
    <message>
        <source>&amp;Save as PDF</source>
        <translation>Ca&amp;dw fel PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Canslo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Argraffu</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Cadw fel PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Ffeiliau PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save as Spreadsheet</source>
        <translation>Cadw fel Taenlen</translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv)</source>
        <translation>Ffeiliau taenlen (*.csv)</translation>
    </message>
</context>
<context>
    <name>bs::Screen</name>
    <message>
        <source>Main menu</source>
        <translation>Prif ddewislen</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Cwis</translation>
    </message>
    <message>
        <source>Quiz: </source>
        <translation>Cwis: </translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Canlyniadau</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Atebion anghywir</translation>
    </message>
    <message>
        <source>Multiple choice wizard</source>
        <translation>Dewin amlddewis</translation>
    </message>
    <message>
        <source>Worksheet catalogue</source>
        <translation>Catalog taflenni gwaith</translation>
    </message>
    <message>
        <source>Teacher&apos;s notes</source>
        <translation>Nodiadau i athrawon</translation>
    </message>
    <message>
        <source>Teachers&apos; guide</source>
        <translation>Canllaw i athrawon</translation>
    </message>
    <message>
        <source> — labelling activity</source>
        <translation> — gweithgaredd labelu</translation>
    </message>
    <message>
        <source> — ordering activity</source>
        <translation> — gweithgaredd trefnu</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Gadael</translation>
    </message>
    <message>
        <source>Our Topics</source>
        <translation>Ein Pynciau</translation>
    </message>
    <message>
        <source>Class results</source>
        <translation>Canlyniadau&apos;r dosbarth</translation>
    </message>
    <message>
        <source>Class lists and the results switch</source>
        <translation>Rhestrau dosbarth a chadw canlyniadau</translation>
    </message>
</context>
<context>
    <name>bs::Titlefrm</name>
    <message>
        <source>Written by the Quenlow geography team</source>
        <translation>Gan dîm daearyddiaeth Quenlow</translation>
    </message>
    <message>
        <source>Programmed by Quenlow Software</source>
        <translation>Rhaglennwyd gan Quenlow Software</translation>
    </message>
    <message>
        <source>Series edited for Quenlow Publishing Ltd</source>
        <translation>Golygwyd y gyfres ar gyfer Quenlow Publishing Ltd</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Iawn</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Gadael</translation>
    </message>
    <message>
        <source>© 2026 Quenlow Publishing Ltd. All rights reserved.</source>
        <translation>© 2026 Quenlow Publishing Ltd. Cedwir pob hawl.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Canslo</translation>
    </message>
    <message>
        <source>Title picture</source>
        <translation>Llun y teitl</translation>
    </message>
</context>
<context>
    <name>bs::TopicPack</name>
    <message>
        <source>Name: </source>
        <translation>Enw: </translation>
    </message>
    <message>
        <source>Date: </source>
        <translation>Dyddiad: </translation>
    </message>
    <message>
        <source>Your topic pack is now printing.</source>
        <translation>Mae eich pecyn pwnc yn cael ei argraffu nawr.</translation>
    </message>
    <message>
        <source>Your topic pack has been saved.</source>
        <translation>Mae eich pecyn pwnc wedi&apos;i gadw.</translation>
    </message>
    <message>
        <source>The PDF file could not be saved there. Please choose another folder.</source>
        <translation>Nid oedd modd cadw&apos;r ffeil PDF yno. Dewiswch ffolder arall.</translation>
    </message>
    <message>
        <source>ANSWER KEY: FOR THE TEACHER ONLY</source>
        <translation>ATEBION: AR GYFER ATHRAWON YN UNIG</translation>
    </message>
    <message>
        <source>Word bank</source>
        <translation>Banc geiriau</translation>
    </message>
    <message>
        <source>Write each label in its box, or cut the labels out and stick them in the right boxes.</source>
        <translation>Ysgrifenna bob label yn ei flwch, neu dorra&apos;r labeli allan a&apos;u gludo yn y blychau cywir.</translation>
    </message>
    <message>
        <source>Answer key: labelling sheet</source>
        <translation>Atebion: taflen labelu</translation>
    </message>
    <message>
        <source>Answer key: ordering sheet</source>
        <translation>Atebion: taflen drefnu</translation>
    </message>
    <message>
        <source>This page could not be found: </source>
        <translation>Nid oedd modd dod o hyd i&apos;r dudalen hon: </translation>
    </message>
    <message>
        <source>Answer key: worksheet</source>
        <translation>Atebion: taflen waith</translation>
    </message>
    <message>
        <source>(no right answer in the worksheet file)</source>
        <translation>(dim ateb cywir yn ffeil y daflen waith)</translation>
    </message>
    <message>
        <source>Teacher&apos;s notes</source>
        <translation>Nodiadau i athrawon</translation>
    </message>
    <message>
        <source>Key facts</source>
        <translation>Prif ffeithiau</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Taflen waith</translation>
    </message>
    <message>
        <source>Labelling sheet</source>
        <translation>Taflen labelu</translation>
    </message>
    <message>
        <source>Ordering sheet</source>
        <translation>Taflen drefnu</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Atebion</translation>
    </message>
    <message>
        <source> - topic pack.pdf</source>
        <translation> - pecyn pwnc.pdf</translation>
    </message>
</context>
<context>
    <name>bs::TopicPage</name>
    <message>
        <source>This worksheet seems to be corrupted.</source>
        <translation>Mae&apos;n ymddangos bod y daflen waith hon wedi&apos;i difrodi.</translation>
    </message>
    <message>
        <source>Multiple Choice</source>
        <translation>Amlddewis</translation>
    </message>
    <message>
        <source>Labelling Activity</source>
        <translation>Gweithgaredd Labelu</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Gadael</translation>
    </message>
    <message>
        <source>Ordering Activity</source>
        <translation>Gweithgaredd Trefnu</translation>
    </message>
    <message>
        <source>Key Facts</source>
        <translation>Prif Ffeithiau</translation>
    </message>
    <message>
        <source>Teacher&apos;s Notes</source>
        <translation>Nodiadau i Athrawon</translation>
    </message>
    <message>
        <source>Panorama</source>
        <translation>Llun panoramig</translation>
    </message>
    <message>
        <source>Pan the picture</source>
        <translation>Symud ar draws y llun</translation>
    </message>
    <message>
        <source>This topic is no longer in Our Topics. It may have been deleted on another computer.</source>
        <translation>Nid yw&apos;r pwnc hwn yn Ein Pynciau bellach. Efallai ei fod wedi&apos;i ddileu ar gyfrifiadur arall.</translation>
    </message>
    <message>
        <source>The worksheet of this topic could not be found: </source>
        <translation>Nid oedd modd dod o hyd i daflen waith y pwnc hwn: </translation>
    </message>
</context>
<context>
    <name>bs::Welldone</name>
    <message>
        <source>   Well Done      Well Done     Well Done     Well Done    </source>
        <translation>   Da Iawn      Da Iawn     Da Iawn     Da Iawn    </translation>
    </message>
    <message>
        <source>Excellent Work</source>
        <translation>Gwaith Ardderchog</translation>
    </message>
    <message>
        <source>You have scored</source>
        <translation>Cest ti</translation>
    </message>
    <message>
        <source> out of</source>
        <translation> allan o</translation>
    </message>
    <message>
        <source>There was a problem printing to your printer.</source>
        <translation>Roedd problem wrth argraffu ar dy argraffydd.</translation>
    </message>
    <message>
        <source>Your certificate is now printing.</source>
        <translation>Mae dy dystysgrif yn cael ei hargraffu nawr.</translation>
    </message>
    <message>
        <source>Well Done!</source>
        <translation>Da Iawn!</translation>
    </message>
    <message>
        <source>Check Wrong Answers</source>
        <translation>Gwirio&apos;r Atebion Anghywir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Gadael</translation>
    </message>
    <message>
        <source>Excellent work you have completed this task successfully</source>
        <translation>Gwaith ardderchog, fe wnest ti gwblhau&apos;r dasg hon yn llwyddiannus</translation>
    </message>
    <message>
        <source>Read the Key Facts and try again.</source>
        <translation>Darllena&apos;r Prif Ffeithiau a cheisia eto.</translation>
    </message>
    <message>
        <source>Enter your name in the box above before printing your certificate</source>
        <translation>Ysgrifenna dy enw yn y blwch uchod cyn argraffu dy dystysgrif</translation>
    </message>
    <message>
        <source>Click the button above to check which questions you answered incorrectly.</source>
        <translation>Clicia&apos;r botwm uchod i weld pa gwestiynau gest ti&apos;n anghywir.</translation>
    </message>
    <message>
        <source>Excellent work. </source>
        <translation>Gwaith ardderchog. </translation>
    </message>
    <message>
        <source>Print Certificate</source>
        <translation>Argraffu Tystysgrif</translation>
    </message>
    <message>
        <source>Good work. </source>
        <translation>Gwaith da. </translation>
    </message>
    <message>
        <source>Printing has been cancelled.</source>
        <translation>Mae&apos;r argraffu wedi&apos;i ganslo.</translation>
    </message>
    <message>
        <source>Brellinshore picture</source>
        <translation>Llun Brellinshore</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dy enw</translation>
    </message>
</context>
<context>
    <name>bs::Wizard</name>
    <message>
        <source>Multiple Choice Wizard</source>
        <translation>Dewin Amlddewis</translation>
    </message>
    <message>
        <source>Worksheet Title</source>
        <translation>Teitl</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Cwestiwn %1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Gadael</translation>
    </message>
    <message>
        <source>Save Worksheet</source>
        <translation>Cadw&apos;r Daflen Waith</translation>
    </message>
    <message>
        <source>You have not chosen a title for your worksheet</source>
        <translation>Nid ydych wedi dewis teitl i&apos;ch taflen waith</translation>
    </message>
    <message>
        <source>You have not completed Question</source>
        <translation>Nid ydych wedi cwblhau Cwestiwn</translation>
    </message>
    <message>
        <source>You have not ticked the correct answer for Question</source>
        <translation>Nid ydych wedi ticio&apos;r ateb cywir i Gwestiwn</translation>
    </message>
    <message>
        <source>You have ticked more than one correct answer for Question</source>
        <translation>Rydych wedi ticio mwy nag un ateb cywir i Gwestiwn</translation>
    </message>
    <message>
        <source>There was a problem saving your worksheet</source>
        <translation>Roedd problem wrth gadw eich taflen waith</translation>
    </message>
    <message>
        <source>Your worksheet has been saved.</source>
        <translation>Mae eich taflen waith wedi&apos;i chadw.</translation>
    </message>
    <message>
        <source>%1 answer %2 is correct</source>
        <translation>%1, ateb %2 yw&apos;r un cywir</translation>
    </message>
    <message>
        <source>%1 answer %2</source>
        <translation>%1, ateb %2</translation>
    </message>
</context>
<context>
    <name>bs::Worksheet</name>
    <message>
        <source>a control character</source>
        <translation>nod rheoli</translation>
    </message>
    <message>
        <source>a character that cannot be saved</source>
        <translation>nod na ellir ei gadw</translation>
    </message>
    <message>
        <source>the character “%1”, which cannot be saved</source>
        <translation>y nod “%1”, na ellir ei gadw</translation>
    </message>
    <message>
        <source>%1 contains %2.</source>
        <translation>%1: mae&apos;n cynnwys %2.</translation>
    </message>
    <message>
        <source>The title</source>
        <translation>Y teitl</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Cwestiwn %1</translation>
    </message>
    <message>
        <source>Answer %1 of Question %2</source>
        <translation>Ateb %1 Cwestiwn %2</translation>
    </message>
    <message>
        <source>Question %1 has no correct answer ticked.</source>
        <translation>Nid oes ateb cywir wedi&apos;i dicio yng Nghwestiwn %1.</translation>
    </message>
    <message>
        <source>You have not chosen a title for your worksheet</source>
        <translation>Nid ydych wedi dewis teitl i&apos;ch taflen waith</translation>
    </message>
    <message>
        <source>A worksheet title can have at most %1 characters.</source>
        <translation>Gall teitl taflen waith gynnwys %1 nod ar y mwyaf.</translation>
    </message>
    <message>
        <source>A worksheet title cannot contain a control character.</source>
        <translation>Ni all teitl taflen waith gynnwys nod rheoli.</translation>
    </message>
    <message>
        <source>A worksheet title cannot contain the character %1</source>
        <translation>Ni all teitl taflen waith gynnwys y nod %1</translation>
    </message>
    <message>
        <source>A worksheet title cannot contain the character “%1”.</source>
        <translation>Ni all teitl taflen waith gynnwys y nod “%1”.</translation>
    </message>
    <message>
        <source>A worksheet title cannot begin with a space.</source>
        <translation>Ni all teitl taflen waith ddechrau â bwlch.</translation>
    </message>
    <message>
        <source>A worksheet title cannot begin with a full stop.</source>
        <translation>Ni all teitl taflen waith ddechrau ag atalnod llawn.</translation>
    </message>
    <message>
        <source>A worksheet title cannot end with a space or a full stop.</source>
        <translation>Ni all teitl taflen waith orffen â bwlch nac atalnod llawn.</translation>
    </message>
    <message>
        <source>The title “%1” is kept for the list of worksheets; please choose another.</source>
        <translation>Mae&apos;r teitl “%1” wedi&apos;i gadw ar gyfer y rhestr o daflenni gwaith; dewiswch un arall.</translation>
    </message>
    <message>
        <source>The title “%1” is a name Windows keeps for itself; please choose another.</source>
        <translation>Mae&apos;r teitl “%1” yn enw y mae Windows yn ei gadw iddo&apos;i hun; dewiswch un arall.</translation>
    </message>
</context>
<context>
    <name>bs::Worksheets</name>
    <message>
        <source>Worksheets Catalogue</source>
        <translation>Catalog Taflenni Gwaith</translation>
    </message>
    <message>
        <source>Edit Worksheet</source>
        <translation>Golygu Taflen Waith</translation>
    </message>
    <message>
        <source>Delete Worksheet</source>
        <translation>Dileu Taflen Waith</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Gadael</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous Page</source>
        <translation>&lt;&lt; Tudalen Flaenorol</translation>
    </message>
    <message>
        <source>Next Page &gt;&gt;</source>
        <translation>Tudalen Nesaf &gt;&gt;</translation>
    </message>
    <message>
        <source>Page 1</source>
        <translation>Tudalen 1</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Tudalen</translation>
    </message>
    <message>
        <source>This worksheet seems to be corrupted.</source>
        <translation>Mae&apos;n ymddangos bod y daflen waith hon wedi&apos;i difrodi.</translation>
    </message>
    <message>
        <source>Are you sure that you want to delete the worksheet </source>
        <translation>Ydych chi&apos;n siŵr eich bod am ddileu&apos;r daflen waith </translation>
    </message>
</context>
<context>
    <name>bs::Wrong</name>
    <message>
        <source>You answered the following questions incorrectly.</source>
        <translation>Fe gest ti&apos;r cwestiynau hyn yn anghywir.</translation>
    </message>
    <message>
        <source>Read the Key Facts and try again.</source>
        <translation>Darllena&apos;r Prif Ffeithiau a cheisia eto.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Gadael</translation>
    </message>
</context>
<context>
    <name>bs::TopicMaker</name>
    <message>
        <source>Did you know?</source>
        <translation>Wyddost ti?</translation>
    </message>
    <message>
        <source>Key Facts</source>
        <translation>Prif Ffeithiau</translation>
    </message>
    <message>
        <source>Teacher&apos;s Notes</source>
        <translation>Nodiadau i Athrawon</translation>
    </message>
    <message>
        <source>Topic Maker</source>
        <translation>Gwneuthurwr Pynciau</translation>
    </message>
    <message>
        <source>Everything is ready. Look through the steps with Back if you wish, then click Save Topic. The topic is saved for every computer that uses this folder.</source>
        <translation>Mae popeth yn barod. Edrychwch drwy&apos;r camau gyda Yn Ôl os dymunwch, yna cliciwch Cadw&apos;r Pwnc. Caiff y pwnc ei gadw ar gyfer pob cyfrifiadur sy&apos;n defnyddio&apos;r ffolder hon.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Canslo</translation>
    </message>
    <message>
        <source>&lt;&lt; Back</source>
        <translation>&lt;&lt; Yn Ôl</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Nesaf &gt;&gt;</translation>
    </message>
    <message>
        <source>The topic&apos;s title</source>
        <translation>Teitl y pwnc</translation>
    </message>
    <message>
        <source>At most 60 letters. It names the topic in the list and heads its page.</source>
        <translation>Hyd at 60 llythyren. Mae&apos;n enwi&apos;r pwnc yn y rhestr ac yn bennawd i&apos;w dudalen.</translation>
    </message>
    <message>
        <source>A wide photograph across the top of the page.</source>
        <translation>Ffotograff llydan ar draws pen y dudalen.</translation>
    </message>
    <message>
        <source>Choose Photograph...</source>
        <translation>Dewis Ffotograff...</translation>
    </message>
    <message>
        <source>The page shows a wide band of it. Move the band up or down by dragging it in the preview, or with the Up and Down keys there (Shift for bigger steps).</source>
        <translation>Mae&apos;r dudalen yn dangos band llydan ohono. Symudwch y band i fyny neu i lawr drwy ei lusgo yn y rhagolwg, neu gyda&apos;r bysellau i fyny ac i lawr yno (Shift am gamau mwy).</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Tudalen</translation>
    </message>
    <message>
        <source>Key Facts, page 1</source>
        <translation>Prif Ffeithiau, tudalen 1</translation>
    </message>
    <message>
        <source>Key Facts, page 2</source>
        <translation>Prif Ffeithiau, tudalen 2</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Pennawd</translation>
    </message>
    <message>
        <source>Text: a paragraph a line; a line starting &quot;- &quot; is a bullet point</source>
        <translation>Testun: paragraff ar bob llinell; mae llinell sy&apos;n dechrau â &quot;- &quot; yn bwynt bwled</translation>
    </message>
    <message>
        <source>Text of the page</source>
        <translation>Testun y dudalen</translation>
    </message>
    <message>
        <source>&quot;Did you know?&quot; box (may be left empty)</source>
        <translation>Blwch &quot;Wyddost ti?&quot; (gallwch ei adael yn wag)</translation>
    </message>
    <message>
        <source>Did you know? box</source>
        <translation>Blwch Wyddost ti?</translation>
    </message>
    <message>
        <source>Leave a page empty to leave it out.</source>
        <translation>Gadewch dudalen yn wag i&apos;w hepgor.</translation>
    </message>
    <message>
        <source>The quiz: a worksheet from the catalogue</source>
        <translation>Y cwis: taflen waith o&apos;r catalog</translation>
    </message>
    <message>
        <source>Write a New Worksheet</source>
        <translation>Ysgrifennu Taflen Waith Newydd</translation>
    </message>
    <message>
        <source>A labelling activity</source>
        <translation>Gweithgaredd labelu</translation>
    </message>
    <message>
        <source>Choose Picture...</source>
        <translation>Dewis Llun...</translation>
    </message>
    <message>
        <source>Instruction</source>
        <translation>Cyfarwyddyd</translation>
    </message>
    <message>
        <source>Instruction of the labelling activity</source>
        <translation>Cyfarwyddyd y gweithgaredd labelu</translation>
    </message>
    <message>
        <source>Labels (2 to 8)</source>
        <translation>Labeli (2 i 8)</translation>
    </message>
    <message>
        <source>Label %1</source>
        <translation>Label %1</translation>
    </message>
    <message>
        <source>“%1” is too wide for its box: shorten it.</source>
        <translation>Mae “%1” yn rhy lydan i&apos;w flwch: byrhewch ef.</translation>
    </message>
    <message>
        <source>Box to move (then the arrow keys in the preview)</source>
        <translation>Blwch i&apos;w symud (yna&apos;r bysellau saeth yn y rhagolwg)</translation>
    </message>
    <message>
        <source>Box to move</source>
        <translation>Blwch i&apos;w symud</translation>
    </message>
    <message>
        <source>An ordering activity</source>
        <translation>Gweithgaredd trefnu</translation>
    </message>
    <message>
        <source>Instruction of the ordering activity</source>
        <translation>Cyfarwyddyd y gweithgaredd trefnu</translation>
    </message>
    <message>
        <source>Items (3 to 6), in their right order</source>
        <translation>Eitemau (3 i 6), yn eu trefn gywir</translation>
    </message>
    <message>
        <source>Item %1</source>
        <translation>Eitem %1</translation>
    </message>
    <message>
        <source>The topic “%1” could not be opened.</source>
        <translation>Nid oedd modd agor y pwnc “%1”.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Teitl</translation>
    </message>
    <message>
        <source>Panorama</source>
        <translation>Llun panoramig</translation>
    </message>
    <message>
        <source>Key Facts and Teacher&apos;s Notes</source>
        <translation>Prif Ffeithiau a Nodiadau i Athrawon</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Cwis</translation>
    </message>
    <message>
        <source>Labelling Activity</source>
        <translation>Gweithgaredd Labelu</translation>
    </message>
    <message>
        <source>Ordering Activity</source>
        <translation>Gweithgaredd Trefnu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Cadw</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>Cam %1 o %2: %3</translation>
    </message>
    <message>
        <source>Save Topic</source>
        <translation>Cadw&apos;r Pwnc</translation>
    </message>
    <message>
        <source>Panorama preview: the Up and Down keys move the band shown</source>
        <translation>Rhagolwg y llun panoramig: mae&apos;r bysellau i fyny ac i lawr yn symud y band a ddangosir</translation>
    </message>
    <message>
        <source>Labelling preview: the arrow keys move the chosen box</source>
        <translation>Rhagolwg y labelu: mae&apos;r bysellau saeth yn symud y blwch a ddewiswyd</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Rhagolwg</translation>
    </message>
    <message>
        <source>Throw away the changes to this topic?</source>
        <translation>Taflu&apos;r newidiadau i&apos;r pwnc hwn?</translation>
    </message>
    <message>
        <source>The page “%1” has text but no heading: type a heading.</source>
        <translation>Mae testun ar y dudalen “%1” ond dim pennawd: teipiwch bennawd.</translation>
    </message>
    <message>
        <source>The page “%1” has a heading but no text: type its text.</source>
        <translation>Mae pennawd ar y dudalen “%1” ond dim testun: teipiwch ei thestun.</translation>
    </message>
    <message>
        <source>The page “%1” has more than %2 paragraphs: join some of them.</source>
        <translation>Mae mwy na %2 paragraff ar y dudalen “%1”: cyfunwch rai ohonynt.</translation>
    </message>
    <message>
        <source>A paragraph of the page “%1” is longer than %2 letters: split it.</source>
        <translation>Mae paragraff ar y dudalen “%1” yn hwy na %2 llythyren: rhannwch ef.</translation>
    </message>
    <message>
        <source>The page “%1” is too long for its page: shorten it.</source>
        <translation>Mae&apos;r dudalen “%1” yn rhy hir: byrhewch hi.</translation>
    </message>
    <message>
        <source>This page is left out.</source>
        <translation>Mae&apos;r dudalen hon wedi&apos;i hepgor.</translation>
    </message>
    <message>
        <source>Room left on this page: about %1 lines</source>
        <translation>Lle ar ôl ar y dudalen hon: tua %1 llinell</translation>
    </message>
    <message>
        <source>Too long: shorten by about %1 lines</source>
        <translation>Rhy hir: byrhewch tua %1 llinell</translation>
    </message>
    <message>
        <source>The label “%1” is too wide for its box: shorten it.</source>
        <translation>Mae&apos;r label “%1” yn rhy lydan i&apos;w flwch: byrhewch ef.</translation>
    </message>
    <message>
        <source>Two labels read “%1”: every label must differ.</source>
        <translation>Mae dau label yn dweud “%1”: rhaid i bob label fod yn wahanol.</translation>
    </message>
    <message>
        <source>The box of “%1” covers the box of “%2”: move one of them.</source>
        <translation>Mae blwch “%1” yn gorchuddio blwch “%2”: symudwch un ohonynt.</translation>
    </message>
    <message>
        <source>A labelling activity needs at least 2 labels.</source>
        <translation>Mae angen o leiaf 2 label ar weithgaredd labelu.</translation>
    </message>
    <message>
        <source>Two items read “%1”: every item must differ.</source>
        <translation>Mae dwy eitem yn dweud “%1”: rhaid i bob eitem fod yn wahanol.</translation>
    </message>
    <message>
        <source>An ordering activity needs at least 3 items.</source>
        <translation>Mae angen o leiaf 3 eitem ar weithgaredd trefnu.</translation>
    </message>
    <message>
        <source>Type a title for your topic.</source>
        <translation>Teipiwch deitl i&apos;ch pwnc.</translation>
    </message>
    <message>
        <source>There is already a topic called “%1”. Choose another title.</source>
        <translation>Mae pwnc o&apos;r enw “%1” eisoes. Dewiswch deitl arall.</translation>
    </message>
    <message>
        <source>Choose a photograph for the panorama.</source>
        <translation>Dewiswch ffotograff ar gyfer y llun panoramig.</translation>
    </message>
    <message>
        <source>The key facts have two pages: write both, or leave both empty.</source>
        <translation>Mae dwy dudalen i&apos;r prif ffeithiau: ysgrifennwch y ddwy, neu gadewch y ddwy yn wag.</translation>
    </message>
    <message>
        <source>Choose a picture for the labelling activity.</source>
        <translation>Dewiswch lun ar gyfer y gweithgaredd labelu.</translation>
    </message>
    <message>
        <source>Type the instruction of the labelling activity.</source>
        <translation>Teipiwch gyfarwyddyd y gweithgaredd labelu.</translation>
    </message>
    <message>
        <source>Type the instruction of the ordering activity.</source>
        <translation>Teipiwch gyfarwyddyd y gweithgaredd trefnu.</translation>
    </message>
    <message>
        <source>The topic could not be saved: %1</source>
        <translation>Nid oedd modd cadw&apos;r pwnc: %1</translation>
    </message>
    <message>
        <source>The topic “%1” has been saved.</source>
        <translation>Mae&apos;r pwnc “%1” wedi&apos;i gadw.</translation>
    </message>
    <message>
        <source>Choose a photograph for the panorama</source>
        <translation>Dewiswch ffotograff ar gyfer y llun panoramig</translation>
    </message>
    <message>
        <source>Choose a picture for the labelling activity</source>
        <translation>Dewiswch lun ar gyfer y gweithgaredd labelu</translation>
    </message>
    <message>
        <source>(No quiz)</source>
        <translation>(Dim cwis)</translation>
    </message>
    <message>
        <source>A box must stay on the picture.</source>
        <translation>Rhaid i flwch aros ar y llun.</translation>
    </message>
    <message>
        <source>A box may not cover another box (“%1”).</source>
        <translation>Ni chaiff blwch orchuddio blwch arall (“%1”).</translation>
    </message>
    <message>
        <source>Box “%1”: %2 across, %3 down (in hundredths of the picture).</source>
        <translation>Blwch “%1”: %2 ar draws, %3 i lawr (allan o 100).</translation>
    </message>
    <message>
        <source>Band %1 of the way down</source>
        <translation>Y band %1 o&apos;r ffordd i lawr</translation>
    </message>
    <message>
        <source>The quiz: “%1”</source>
        <translation>Y cwis: “%1”</translation>
    </message>
    <message>
        <source>No quiz</source>
        <translation>Dim cwis</translation>
    </message>
    <message>
        <source>No photograph chosen yet.</source>
        <translation>Dim ffotograff wedi&apos;i ddewis eto.</translation>
    </message>
    <message>
        <source>Choose the photograph again to move the band.</source>
        <translation>Dewiswch y ffotograff eto i symud y band.</translation>
    </message>
    <message>
        <source>No picture chosen yet.</source>
        <translation>Dim llun wedi&apos;i ddewis eto.</translation>
    </message>
    <message>
        <source>Topic maker</source>
        <translation>Gwneuthurwr pynciau</translation>
    </message>
</context>
<context>
    <name>bs::QtDialogs</name>
    <message>
        <source>Photographs (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)</source>
        <translation>Ffotograffau (*.jpg *.jpeg *.png *.JPG *.JPEG *.PNG)</translation>
    </message>
</context>
<context>
    <name>bs::OurTopics</name>
    <message>
        <source>Our Topics</source>
        <translation>Ein Pynciau</translation>
    </message>
    <message>
        <source>Edit Topic</source>
        <translation>Golygu Pwnc</translation>
    </message>
    <message>
        <source>Export Topic</source>
        <translation>Allforio Pwnc</translation>
    </message>
    <message>
        <source>Delete Topic</source>
        <translation>Dileu Pwnc</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Gadael</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous Page</source>
        <translation>&lt;&lt; Tudalen Flaenorol</translation>
    </message>
    <message>
        <source>Next Page &gt;&gt;</source>
        <translation>Tudalen Nesaf &gt;&gt;</translation>
    </message>
    <message>
        <source>Make a Topic</source>
        <translation>Gwneud Pwnc</translation>
    </message>
    <message>
        <source>Import a Topic</source>
        <translation>Mewnforio Pwnc</translation>
    </message>
    <message>
        <source>Page 1</source>
        <translation>Tudalen 1</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Tudalen</translation>
    </message>
    <message>
        <source>There are no topics of the school&apos;s own yet. Click &quot;Make a Topic&quot; to make one of your locality, or &quot;Import a Topic&quot; to bring in one another school has shared.</source>
        <translation>Does gan yr ysgol ddim pynciau ei hun eto. Cliciwch &quot;Gwneud Pwnc&quot; i wneud un am eich ardal, neu &quot;Mewnforio Pwnc&quot; i ddod ag un y mae ysgol arall wedi&apos;i rannu.</translation>
    </message>
    <message>
        <source> (cannot be opened)</source>
        <translation> (methu ei agor)</translation>
    </message>
    <message>
        <source>This topic file cannot be opened: </source>
        <translation>Nid oes modd agor y ffeil pwnc hon: </translation>
    </message>
    <message>
        <source>Are you sure that you want to delete the topic </source>
        <translation>Ydych chi&apos;n siŵr eich bod am ddileu&apos;r pwnc </translation>
    </message>
    <message>
        <source>The topic could not be deleted. Please try again.</source>
        <translation>Nid oedd modd dileu&apos;r pwnc. Rhowch gynnig arall arni.</translation>
    </message>
</context>
<context>
    <name>bs::ArchiveDialogs</name>
    <message>
        <source>Export Topic</source>
        <translation>Allforio Pwnc</translation>
    </message>
    <message>
        <source>Import Topic</source>
        <translation>Mewnforio Pwnc</translation>
    </message>
    <message>
        <source>Brellinshore topics (*.zip)</source>
        <translation>Pynciau Brellinshore (*.zip)</translation>
    </message>
</context>
<context>
    <name>bs::TopicSharing</name>
    <message>
        <source>This school already has a topic called “%1” and a different worksheet called “%2”. Replace both with the imported ones?</source>
        <translation>Mae gan yr ysgol hon bwnc o&apos;r enw “%1” a thaflen waith wahanol o&apos;r enw “%2” yn barod. Ydych chi am roi&apos;r rhai a fewnforiwyd yn lle&apos;r ddau?</translation>
    </message>
    <message>
        <source>This school already has a topic called “%1”. Replace it with the imported one?</source>
        <translation>Mae gan yr ysgol hon bwnc o&apos;r enw “%1” yn barod. Ydych chi am roi&apos;r un a fewnforiwyd yn ei le?</translation>
    </message>
    <message>
        <source>This school already has a different worksheet called “%1”. Replace it with the imported one?</source>
        <translation>Mae gan yr ysgol hon daflen waith wahanol o&apos;r enw “%1” yn barod. Ydych chi am roi&apos;r un a fewnforiwyd yn ei lle?</translation>
    </message>
    <message>
        <source>The topic “%1” could not be exported.</source>
        <translation>Nid oedd modd allforio&apos;r pwnc “%1”.</translation>
    </message>
    <message>
        <source>The topic “%1” has been exported to “%2”. Another school can import this file on its “Our Topics” list.</source>
        <translation>Mae&apos;r pwnc “%1” wedi&apos;i allforio i “%2”. Gall ysgol arall fewnforio&apos;r ffeil hon ar ei rhestr “Ein Pynciau”.</translation>
    </message>
    <message>
        <source>“%1” could not be imported.</source>
        <translation>Nid oedd modd mewnforio “%1”.</translation>
    </message>
    <message>
        <source>Another computer has just saved a topic or worksheet of the same title. Nothing has been changed; please import the file again.</source>
        <translation>Mae cyfrifiadur arall newydd gadw pwnc neu daflen waith o&apos;r un teitl. Does dim wedi newid; mewnforiwch y ffeil eto, os gwelwch yn dda.</translation>
    </message>
    <message>
        <source>The topic “%1” has been imported. It is on the “Our Topics” list.</source>
        <translation>Mae&apos;r pwnc “%1” wedi&apos;i fewnforio. Mae ar y rhestr “Ein Pynciau”.</translation>
    </message>
</context>
<context>
    <name>bs::PupilDialog</name>
    <message>
        <source>Who are you?</source>
        <translation>Pwy wyt ti?</translation>
    </message>
    <message>
        <source>Your &amp;class:</source>
        <translation>Dy &amp;ddosbarth:</translation>
    </message>
    <message>
        <source>Your class</source>
        <translation>Dy ddosbarth</translation>
    </message>
    <message>
        <source>Choose your &amp;name:</source>
        <translation>Dewisa dy &amp;enw:</translation>
    </message>
    <message>
        <source>Your name in the list</source>
        <translation>Dy enw yn y rhestr</translation>
    </message>
    <message>
        <source>&amp;Type your name:</source>
        <translation>&amp;Teipia dy enw:</translation>
    </message>
    <message>
        <source>Or &amp;type your name:</source>
        <translation>Neu &amp;teipia dy enw:</translation>
    </message>
    <message>
        <source>Type your name</source>
        <translation>Teipia dy enw</translation>
    </message>
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
    <name>bs::PupilResults</name>
    <message>
        <source>Your result could not be saved for your teacher.</source>
        <translation>Doedd dim modd cadw dy ganlyniad i dy athro.</translation>
    </message>
</context>
<context>
    <name>bs::ClassSettings</name>
    <message>
        <source>Please type your name.</source>
        <translation>Teipia dy enw, os gweli di&apos;n dda.</translation>
    </message>
    <message>
        <source>A name can have at most %1 characters.</source>
        <translation>Gall enw gael %1 nod ar y mwyaf.</translation>
    </message>
    <message>
        <source>A name cannot hold a tab or a new line.</source>
        <translation>Ni all enw gynnwys tab na llinell newydd.</translation>
    </message>
</context>
<context>
    <name>bs::ResultsModel</name>
    <message>
        <source>Time</source>
        <translation>Amser</translation>
    </message>
    <message>
        <source>Pupil</source>
        <translation>Disgybl</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Dosbarth</translation>
    </message>
    <message>
        <source>Worked on</source>
        <translation>Gwaith</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Gweithgaredd</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Sgôr</translation>
    </message>
    <message>
        <source>Out of</source>
        <translation>Allan o</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Atebion anghywir</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Cyfrifiadur</translation>
    </message>
    <message>
        <source>Activities done</source>
        <translation>Gweithgareddau</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Sgôr ar gyfartaledd</translation>
    </message>
    <message>
        <source>Last seen</source>
        <translation>Tro diwethaf</translation>
    </message>
</context>
<context>
    <name>bs::ClassResults</name>
    <message>
        <source>Class Results</source>
        <translation>Canlyniadau&apos;r Dosbarth</translation>
    </message>
    <message>
        <source>By pupil</source>
        <translation>Fesul disgybl</translation>
    </message>
    <message>
        <source>By activity</source>
        <translation>Fesul gweithgaredd</translation>
    </message>
    <message>
        <source>Class:</source>
        <translation>Dosbarth:</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Dosbarth</translation>
    </message>
    <message>
        <source>Pupil:</source>
        <translation>Disgybl:</translation>
    </message>
    <message>
        <source>Pupil</source>
        <translation>Disgybl</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>O:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>O</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>I:</translation>
    </message>
    <message>
        <source>To</source>
        <translation>I</translation>
    </message>
    <message>
        <source>Class results</source>
        <translation>Canlyniadau&apos;r dosbarth</translation>
    </message>
    <message>
        <source>Chart of what the class got wrong</source>
        <translation>Siart o&apos;r hyn a gafodd y dosbarth yn anghywir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Gadael</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Adnewyddu</translation>
    </message>
    <message>
        <source>Save as Spreadsheet</source>
        <translation>Cadw fel Taenlen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Argraffu</translation>
    </message>
    <message>
        <source>Delete Pupil&apos;s Records</source>
        <translation>Dileu Cofnodion Disgybl</translation>
    </message>
    <message>
        <source>Class Lists</source>
        <translation>Rhestrau Dosbarth</translation>
    </message>
    <message>
        <source>Delete Records Before</source>
        <translation>Dileu Cofnodion Cyn</translation>
    </message>
    <message>
        <source>Delete records before this day</source>
        <translation>Dileu cofnodion cyn y diwrnod hwn</translation>
    </message>
    <message>
        <source>%1: %2 damaged lines skipped</source>
        <translation>%1: hepgorwyd %2 llinell wedi&apos;u difrodi</translation>
    </message>
    <message>
        <source>%1: %2 lines of a later version of Brellinshore skipped</source>
        <translation>%1: hepgorwyd %2 llinell o fersiwn diweddarach o Brellinshore</translation>
    </message>
    <message>
        <source>%1: too large, read only in part</source>
        <translation>%1: rhy fawr, darllenwyd rhan ohoni yn unig</translation>
    </message>
    <message>
        <source>%1: could not be read</source>
        <translation>%1: nid oedd modd ei darllen</translation>
    </message>
    <message>
        <source>and %1 more files (point here to see them all)</source>
        <translation>a %1 ffeil arall (pwyntiwch yma i&apos;w gweld i gyd)</translation>
    </message>
    <message>
        <source>All classes</source>
        <translation>Pob dosbarth</translation>
    </message>
    <message>
        <source>All pupils</source>
        <translation>Pob disgybl</translation>
    </message>
    <message>
        <source>The records of %1, with their wrong answers</source>
        <translation>Cofnodion %1, gyda&apos;u hatebion anghywir</translation>
    </message>
    <message>
        <source>What most pupils got wrong</source>
        <translation>Yn anghywir amlaf</translation>
    </message>
    <message>
        <source>Share of pupils</source>
        <translation>Cyfran y disgyblion</translation>
    </message>
    <message>
        <source>Q: %1</source>
        <translation>C: %1</translation>
    </message>
    <message>
        <source>question “%1”: missed by %2 of %3 pupils</source>
        <translation>cwestiwn “%1”: yn anghywir gan %2 o %3 disgybl</translation>
    </message>
    <message>
        <source>%1: %2 of %3 pupils below full marks</source>
        <translation>%1: %2 o %3 disgybl heb farciau llawn</translation>
    </message>
    <message>
        <source>Nothing was got wrong in these records.</source>
        <translation>Does dim byd yn anghywir yn y cofnodion hyn.</translation>
    </message>
    <message>
        <source>Most often wrong: </source>
        <translation>Yn anghywir amlaf: </translation>
    </message>
    <message>
        <source>Records read: %1</source>
        <translation>Cofnodion a ddarllenwyd: %1</translation>
    </message>
    <message>
        <source>%1, %2 to %3</source>
        <translation>%1, %2 i %3</translation>
    </message>
    <message>
        <source>Class results %1.csv</source>
        <translation>Canlyniadau dosbarth %1.csv</translation>
    </message>
    <message>
        <source>The spreadsheet could not be saved: %1</source>
        <translation>Nid oedd modd cadw&apos;r daenlen: %1</translation>
    </message>
    <message>
        <source>The spreadsheet is saved, with %1 records.</source>
        <translation>Mae&apos;r daenlen wedi&apos;i chadw, gyda %1 cofnod.</translation>
    </message>
    <message>
        <source>Class Results: </source>
        <translation>Canlyniadau&apos;r Dosbarth: </translation>
    </message>
    <message>
        <source>There was a problem printing to your printer.</source>
        <translation>Roedd problem wrth argraffu ar eich argraffydd.</translation>
    </message>
    <message>
        <source>The class results are now printing.</source>
        <translation>Mae canlyniadau&apos;r dosbarth yn cael eu hargraffu nawr.</translation>
    </message>
    <message>
        <source>Records deleted: %1</source>
        <translation>Cofnodion wedi&apos;u dileu: %1</translation>
    </message>
    <message>
        <source>The records could not all be deleted: %1</source>
        <translation>Nid oedd modd dileu&apos;r holl gofnodion: %1</translation>
    </message>
    <message>
        <source>Choose a pupil first: in the list of pupils, or a row of the view by pupil.</source>
        <translation>Dewiswch ddisgybl yn gyntaf: yn y rhestr disgyblion, neu res yn y golwg fesul disgybl.</translation>
    </message>
    <message>
        <source>Are you sure that you want to delete every record of %1? Records to delete: %2</source>
        <translation>Ydych chi&apos;n siŵr eich bod am ddileu holl gofnodion %1? Cofnodion i&apos;w dileu: %2</translation>
    </message>
    <message>
        <source>There are no records from before %1.</source>
        <translation>Does dim cofnodion o&apos;r cyfnod cyn %1.</translation>
    </message>
    <message>
        <source>Are you sure that you want to delete every record from before %1? Records to delete: %2</source>
        <translation>Ydych chi&apos;n siŵr eich bod am ddileu pob cofnod o&apos;r cyfnod cyn %1? Cofnodion i&apos;w dileu: %2</translation>
    </message>
    <message>
        <source>Keep results for every computer:</source>
        <translation>Cadw canlyniadau ar gyfer pob cyfrifiadur:</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ymlaen</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>I ffwrdd</translation>
    </message>
    <message>
        <source>Now: not set: each computer&apos;s own setting.</source>
        <translation>Nawr: heb ei osod: gosodiad pob cyfrifiadur ei hun.</translation>
    </message>
    <message>
        <source>Now: on: every computer keeps results.</source>
        <translation>Nawr: ymlaen: mae pob cyfrifiadur yn cadw canlyniadau.</translation>
    </message>
    <message>
        <source>Now: off: no computer keeps results.</source>
        <translation>Nawr: i ffwrdd: does dim cyfrifiadur yn cadw canlyniadau.</translation>
    </message>
    <message>
        <source>The switch could not be written: %1</source>
        <translation>Nid oedd modd cadw&apos;r gosodiad: %1</translation>
    </message>
    <message>
        <source>Keep results for every computer: on</source>
        <translation>Cadw canlyniadau ar gyfer pob cyfrifiadur: ymlaen</translation>
    </message>
    <message>
        <source>Keep results for every computer: off</source>
        <translation>Cadw canlyniadau ar gyfer pob cyfrifiadur: i ffwrdd</translation>
    </message>
</context>
<context>
    <name>bs::ClassLists</name>
    <message>
        <source>Class Lists</source>
        <translation>Rhestrau Dosbarth</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Dosbarthiadau</translation>
    </message>
    <message>
        <source>Pupils in the class</source>
        <translation>Disgyblion y dosbarth</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Enw:</translation>
    </message>
    <message>
        <source>Name of a class or pupil</source>
        <translation>Enw dosbarth neu ddisgybl</translation>
    </message>
    <message>
        <source>Add Class</source>
        <translation>Ychwanegu Dosbarth</translation>
    </message>
    <message>
        <source>Rename Class</source>
        <translation>Ailenwi Dosbarth</translation>
    </message>
    <message>
        <source>Remove Class</source>
        <translation>Tynnu Dosbarth</translation>
    </message>
    <message>
        <source>Add Pupil</source>
        <translation>Ychwanegu Disgybl</translation>
    </message>
    <message>
        <source>Remove Pupil</source>
        <translation>Tynnu Disgybl</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Gadael</translation>
    </message>
    <message>
        <source>Keep results for every computer:</source>
        <translation>Cadw canlyniadau ar gyfer pob cyfrifiadur:</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ymlaen</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>I ffwrdd</translation>
    </message>
    <message>
        <source>Now: not set: each computer&apos;s own setting.</source>
        <translation>Nawr: heb ei osod: gosodiad pob cyfrifiadur ei hun.</translation>
    </message>
    <message>
        <source>Now: on: every computer keeps results.</source>
        <translation>Nawr: ymlaen: mae pob cyfrifiadur yn cadw canlyniadau.</translation>
    </message>
    <message>
        <source>Now: off: no computer keeps results.</source>
        <translation>Nawr: i ffwrdd: does dim cyfrifiadur yn cadw canlyniadau.</translation>
    </message>
    <message>
        <source>The switch could not be written: %1</source>
        <translation>Nid oedd modd cadw&apos;r gosodiad: %1</translation>
    </message>
    <message>
        <source>The class lists could not be written: %1</source>
        <translation>Nid oedd modd cadw&apos;r rhestrau dosbarth: %1</translation>
    </message>
    <message>
        <source>Choose a class first.</source>
        <translation>Dewiswch ddosbarth yn gyntaf.</translation>
    </message>
    <message>
        <source>There is already a class called %1.</source>
        <translation>Mae dosbarth o&apos;r enw %1 eisoes.</translation>
    </message>
    <message>
        <source>There can be at most %1 classes.</source>
        <translation>Gall fod %1 dosbarth ar y mwyaf.</translation>
    </message>
    <message>
        <source>Are you sure that you want to remove the class %1 and its list of pupils? Their results are kept.</source>
        <translation>Ydych chi&apos;n siŵr eich bod am dynnu&apos;r dosbarth %1 a&apos;i restr o ddisgyblion? Caiff eu canlyniadau eu cadw.</translation>
    </message>
    <message>
        <source>%1 is already in the class.</source>
        <translation>Mae %1 yn y dosbarth yn barod.</translation>
    </message>
    <message>
        <source>A class can have at most %1 pupils.</source>
        <translation>Gall dosbarth gael %1 disgybl ar y mwyaf.</translation>
    </message>
    <message>
        <source>Choose a pupil first.</source>
        <translation>Dewiswch ddisgybl yn gyntaf.</translation>
    </message>
</context>
<context>
    <name>bs::ClassSettings</name>
    <message>
        <source>Please type the name of the class.</source>
        <translation>Teipiwch enw&apos;r dosbarth, os gwelwch yn dda.</translation>
    </message>
    <message>
        <source>A class name can have at most %1 characters.</source>
        <translation>Gall enw dosbarth gael %1 nod ar y mwyaf.</translation>
    </message>
    <message>
        <source>A class name cannot hold a tab or a new line.</source>
        <translation>Ni all enw dosbarth gynnwys tab na llinell newydd.</translation>
    </message>
    <message>
        <source>The class lists are being changed on another computer; please try again.</source>
        <translation>Mae&apos;r rhestrau dosbarth yn cael eu newid ar gyfrifiadur arall; rhowch gynnig arall arni, os gwelwch yn dda.</translation>
    </message>
    <message>
        <source>Cannot make the results folder “%1”.</source>
        <translation>Nid oes modd creu&apos;r ffolder canlyniadau “%1”.</translation>
    </message>
</context>
<context>
    <name>bs::PhotoImport</name>
    <message>
        <source>The picture cannot be opened: %1</source>
        <translation>Nid oes modd agor y llun: %1</translation>
    </message>
    <message>
        <source>This file is not a JPEG or PNG picture. Choose a photograph saved as JPEG or PNG.</source>
        <translation>Nid llun JPEG neu PNG yw&apos;r ffeil hon. Dewiswch ffotograff a gadwyd fel JPEG neu PNG.</translation>
    </message>
    <message>
        <source>The picture is incomplete (the file was cut short). Copy it again and choose it once more.</source>
        <translation>Mae&apos;r llun yn anghyflawn (cafodd y ffeil ei thorri&apos;n fyr). Copïwch ef eto a&apos;i ddewis unwaith yn rhagor.</translation>
    </message>
    <message>
        <source>The picture cannot be read: %1</source>
        <translation>Nid oes modd darllen y llun: %1</translation>
    </message>
    <message>
        <source>The picture is too large to open (%1 megapixels). Choose a smaller copy of it, or save it as JPEG.</source>
        <translation>Mae&apos;r llun yn rhy fawr i&apos;w agor (%1 miliwn picsel). Dewiswch gopi llai ohono, neu cadwch ef fel JPEG.</translation>
    </message>
    <message>
        <source>The picture cannot be stored: %1</source>
        <translation>Nid oes modd cadw&apos;r llun: %1</translation>
    </message>
</context>
<context>
    <name>bs::OwnTopicStore</name>
    <message>
        <source>cannot be read: %1</source>
        <translation>nid oes modd ei darllen: %1</translation>
    </message>
    <message>
        <source>The topic “%1” would not read back as it is.</source>
        <translation>Ni fyddai&apos;r pwnc “%1” yn cael ei ddarllen yn ôl fel y mae.</translation>
    </message>
    <message>
        <source>The picture “%1” of the topic is missing.</source>
        <translation>Mae llun “%1” y pwnc ar goll.</translation>
    </message>
    <message>
        <source>The topic “%1” was given a picture it does not use.</source>
        <translation>Cafodd y pwnc “%1” lun nad yw&apos;n ei ddefnyddio.</translation>
    </message>
    <message>
        <source>The topic “%1” with its pictures is larger than %2 MB; choose smaller pictures.</source>
        <translation>Mae&apos;r pwnc “%1” gyda&apos;i luniau yn fwy na %2 MB; dewiswch luniau llai.</translation>
    </message>
    <message>
        <source>Cannot make the folder of the school&apos;s topics.</source>
        <translation>Nid oes modd creu ffolder pynciau&apos;r ysgol.</translation>
    </message>
    <message>
        <source>Cannot delete the topic “%1”.</source>
        <translation>Nid oes modd dileu&apos;r pwnc “%1”.</translation>
    </message>
</context>
<context>
    <name>bs::TopicFile</name>
    <message>
        <source>%1: field %2: %3</source>
        <translation>%1: maes %2: %3</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>ar goll</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>maes anhysbys</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>rhaid iddo fod yn wrthrych</translation>
    </message>
    <message>
        <source>must be a list</source>
        <translation>rhaid iddo fod yn rhestr</translation>
    </message>
    <message>
        <source>must hold %1 to %2 entries</source>
        <translation>rhaid iddo ddal %1 i %2 eitem</translation>
    </message>
    <message>
        <source>must be text</source>
        <translation>rhaid iddo fod yn destun</translation>
    </message>
    <message>
        <source>must not be empty</source>
        <translation>ni all fod yn wag</translation>
    </message>
    <message>
        <source>is longer than %1 characters</source>
        <translation>mae&apos;n hwy na %1 nod</translation>
    </message>
    <message>
        <source>holds a control character</source>
        <translation>mae&apos;n dal nod rheoli</translation>
    </message>
    <message>
        <source>must be a number</source>
        <translation>rhaid iddo fod yn rhif</translation>
    </message>
    <message>
        <source>must be from %1 to %2</source>
        <translation>rhaid iddo fod rhwng %1 a %2</translation>
    </message>
    <message>
        <source>must be a whole number</source>
        <translation>rhaid iddo fod yn rhif cyfan</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>rhaid iddo fod yn wir neu&apos;n anwir</translation>
    </message>
    <message>
        <source>is larger than a topic file can be</source>
        <translation>mae&apos;n fwy nag y gall ffeil pwnc fod</translation>
    </message>
    <message>
        <source>is not JSON (%1 at byte %2)</source>
        <translation>nid JSON yw hi (%1 ar feit %2)</translation>
    </message>
    <message>
        <source>must hold one object</source>
        <translation>rhaid iddi ddal un gwrthrych</translation>
    </message>
    <message>
        <source>must be “%1” or “%2”</source>
        <translation>rhaid iddo fod yn “%1” neu “%2”</translation>
    </message>
    <message>
        <source>overlaps the box of label %1</source>
        <translation>mae&apos;n mynd dros flwch label %1</translation>
    </message>
    <message>
        <source>repeats label %1</source>
        <translation>mae&apos;n ailadrodd label %1</translation>
    </message>
    <message>
        <source>repeats item %1</source>
        <translation>mae&apos;n ailadrodd eitem %1</translation>
    </message>
    <message>
        <source>was written by a later version of the program</source>
        <translation>fe&apos;i hysgrifennwyd gan fersiwn diweddarach o&apos;r rhaglen</translation>
    </message>
    <message>
        <source>does not match the file&apos;s name (the file must be “%1”)</source>
        <translation>nid yw&apos;n cyfateb i enw&apos;r ffeil (rhaid i&apos;r ffeil fod yn “%1”)</translation>
    </message>
    <message>
        <source>must be &quot;en&quot; or &quot;cy&quot;</source>
        <translation>rhaid iddo fod yn &quot;en&quot; neu &quot;cy&quot;</translation>
    </message>
</context>
<context>
    <name>bs::RecordsFolder</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nid oes modd ysgrifennu %1: %2</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>nid oes modd creu&apos;r ffolder</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>mae&apos;r ddisg yn llawn</translation>
    </message>
    <message>
        <source>the file cannot be removed</source>
        <translation>nid oes modd dileu&apos;r ffeil</translation>
    </message>
</context>
<context>
    <name>bs::TopicArchive</name>
    <message>
        <source>This file is not a topic this program can import: %1</source>
        <translation>Nid yw&apos;r ffeil hon yn bwnc y gall y rhaglen hon ei fewnforio: %1</translation>
    </message>
    <message>
        <source>Cannot read “%1”: %2</source>
        <translation>Nid oes modd darllen “%1”: %2</translation>
    </message>
    <message>
        <source>“%1” is too large.</source>
        <translation>Mae “%1” yn rhy fawr.</translation>
    </message>
    <message>
        <source>The worksheet “%1” is damaged.</source>
        <translation>Mae&apos;r daflen waith “%1” wedi&apos;i difrodi.</translation>
    </message>
    <message>
        <source>it cannot be opened.</source>
        <translation>nid oes modd agor y ffeil.</translation>
    </message>
    <message>
        <source>it is no zip archive, or a damaged one (%1).</source>
        <translation>nid yw&apos;n archif zip, neu mae wedi&apos;i difrodi (%1).</translation>
    </message>
    <message>
        <source>an entry has no name.</source>
        <translation>mae eitem heb enw.</translation>
    </message>
    <message>
        <source>the entry “%1” points outside the topic&apos;s folders.</source>
        <translation>mae&apos;r eitem “%1” yn pwyntio y tu allan i ffolderi&apos;r pwnc.</translation>
    </message>
    <message>
        <source>its contents cannot be read.</source>
        <translation>nid oes modd darllen ei chynnwys.</translation>
    </message>
    <message>
        <source>it holds %1 files, more than a topic has.</source>
        <translation>mae&apos;n dal %1 ffeil, mwy nag sydd gan bwnc.</translation>
    </message>
    <message>
        <source>an entry&apos;s name cannot be read.</source>
        <translation>nid oes modd darllen enw eitem.</translation>
    </message>
    <message>
        <source>the kind of the entry “%1” cannot be read.</source>
        <translation>nid oes modd darllen math yr eitem “%1”.</translation>
    </message>
    <message>
        <source>the entry “%1” is a link or a folder, not a file.</source>
        <translation>dolen neu ffolder yw&apos;r eitem “%1”, nid ffeil.</translation>
    </message>
    <message>
        <source>the size of the entry “%1” cannot be read.</source>
        <translation>nid oes modd darllen maint yr eitem “%1”.</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 MB.</source>
        <translation>mae ei chynnwys yn fwy na %1 MB.</translation>
    </message>
    <message>
        <source>the name “%1” is there twice.</source>
        <translation>mae&apos;r enw “%1” yno ddwywaith.</translation>
    </message>
    <message>
        <source>the entry “%1” cannot be unpacked (%2).</source>
        <translation>nid oes modd tynnu&apos;r eitem “%1” allan (%2).</translation>
    </message>
    <message>
        <source>it unpacks to more than it says.</source>
        <translation>mae ei chynnwys yn fwy nag y mae&apos;n ei ddweud.</translation>
    </message>
    <message>
        <source>the entry “%1” is damaged (%2).</source>
        <translation>mae&apos;r eitem “%1” wedi&apos;i difrodi (%2).</translation>
    </message>
    <message>
        <source>the entry “%1” is cut short.</source>
        <translation>mae&apos;r eitem “%1” wedi&apos;i thorri&apos;n fyr.</translation>
    </message>
    <message>
        <source>The picture “%1” of the topic is damaged.</source>
        <translation>Mae llun “%1” y pwnc wedi&apos;i ddifrodi.</translation>
    </message>
    <message>
        <source>Cannot make the archive of the topic “%1”.</source>
        <translation>Nid oes modd creu archif y pwnc “%1”.</translation>
    </message>
    <message>
        <source>it is larger than a topic can be.</source>
        <translation>mae&apos;n fwy nag y gall pwnc fod.</translation>
    </message>
    <message>
        <source>it holds more than one topic.</source>
        <translation>mae&apos;n dal mwy nag un pwnc.</translation>
    </message>
    <message>
        <source>it holds no topic.</source>
        <translation>nid oes pwnc ynddi.</translation>
    </message>
    <message>
        <source>the picture “%1” is missing.</source>
        <translation>mae&apos;r llun “%1” ar goll.</translation>
    </message>
    <message>
        <source>the picture “%1” is damaged.</source>
        <translation>mae&apos;r llun “%1” wedi&apos;i ddifrodi.</translation>
    </message>
    <message>
        <source>the topic with its pictures is larger than %1 MB.</source>
        <translation>mae&apos;r pwnc gyda&apos;i luniau yn fwy na %1 MB.</translation>
    </message>
    <message>
        <source>the worksheet “%1” is missing.</source>
        <translation>mae&apos;r daflen waith “%1” ar goll.</translation>
    </message>
    <message>
        <source>it holds “%1”, which is no part of the topic.</source>
        <translation>mae&apos;n dal “%1”, nad yw&apos;n rhan o&apos;r pwnc.</translation>
    </message>
    <message>
        <source>Cannot make the worksheet folder.</source>
        <translation>Nid oes modd creu ffolder y taflenni gwaith.</translation>
    </message>
</context>
</TS>
