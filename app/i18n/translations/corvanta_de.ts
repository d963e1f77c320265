<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows how matter behaves at the level of atoms.</source>
        <translation>Zeigt, wie sich Materie auf der Ebene der Atome verhält.</translation>
    </message>
    <message>
        <source>Open the Lab beside the main window.</source>
        <translation>Das Labor neben dem Hauptfenster öffnen.</translation>
    </message>
    <message>
        <source>Open the large 3-D view of the atoms.</source>
        <translation>Die große 3D-Ansicht der Atome öffnen.</translation>
    </message>
    <message>
        <source>Open the Experiments window at this experiment: its title, its file name without .experiment, or an experiment file.</source>
        <translation>Das Fenster „Experimente“ bei diesem Experiment öffnen, angegeben durch seinen Titel, seinen Dateinamen ohne .experiment oder eine Experimentdatei.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>A scenario file to run at start.</source>
        <translation>Eine Szenariodatei, die beim Start ausgeführt wird.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Corvanta will show this language the next time it starts.</source>
        <translation>Corvanta zeigt diese Sprache beim nächsten Start.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
</context>
<context>
    <name>frmOrvelModel</name>
    <message>
        <source>Open Experiment</source>
        <translation>Experiment öffnen</translation>
    </message>
    <message>
        <source>Experiments (*.experiment);;All files (*)</source>
        <translation>Experimente (*.experiment);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>There is no worksheet yet: start an experiment first (View &gt; Experiments…).</source>
        <translation>Es gibt noch kein Arbeitsblatt: zuerst ein Experiment starten (Ansicht &gt; Experimente…).</translation>
    </message>
    <message>
        <source>There is no experiment called &quot;%1&quot;.

Folders searched: %2</source>
        <translation>Es gibt kein Experiment namens „%1“.

Durchsuchte Ordner: %2</translation>
    </message>
    <message>
        <source>Time of Day</source>
        <translation>Tageszeit</translation>
    </message>
    <message>
        <source>From morning to evening: the sun and the temperature follow</source>
        <translation>Von morgens bis abends: Sonne und Temperatur passen sich an</translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation>Atome</translation>
    </message>
    <message>
        <source>The atoms of the chosen place moving in their box</source>
        <translation>Die Atome des gewählten Ortes, wie sie sich in ihrem Behälter bewegen</translation>
    </message>
    <message>
        <source>Evening</source>
        <translation>Abend</translation>
    </message>
    <message>
        <source>Morning</source>
        <translation>Morgen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Run Time</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Run Time for MD Model</source>
        <translation>Laufzeit des MD-Modells</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Screen Update (Frames Per Second)</source>
        <translation>Bildwiederholrate (Bilder pro Sekunde)</translation>
    </message>
    <message>
        <source># Atoms</source>
        <translation>Atome</translation>
    </message>
    <message>
        <source>Number of Atoms in Simulation</source>
        <translation>Anzahl der Atome in der Simulation</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Ambient Temperature</source>
        <translation>Umgebungstemperatur</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Simulation Type</source>
        <translation>Art der Simulation</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Jahreszeit</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Sommer</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <source>Simulation: %1</source>
        <translation>Simulation: %1</translation>
    </message>
    <message>
        <source>The mouse icon %1 is missing or cannot be read.

Folders searched: %2

The program reads its pictures and scenarios from the folder it is started in, or else from its installed data folder.</source>
        <translation>Das Mauszeigerbild %1 fehlt oder kann nicht gelesen werden.

Durchsuchte Ordner: %2

Das Programm liest seine Bilder und Szenarien aus dem Ordner, in dem es gestartet wird, sonst aus seinem installierten Datenordner.</translation>
    </message>
    <message>
        <source># Atoms : %1</source>
        <translation>Atome: %1</translation>
    </message>
    <message>
        <source>A picture of the sun cannot be read:
%1

Folders searched: %2

The program runs on without the sun.</source>
        <translation>Ein Bild der Sonne kann nicht gelesen werden:
%1

Durchsuchte Ordner: %2

Das Programm läuft ohne die Sonne weiter.</translation>
    </message>
    <message>
        <source>A picture of an atom cannot be read:
%1

Folders searched: %2</source>
        <translation>Ein Bild eines Atoms kann nicht gelesen werden:
%1

Durchsuchte Ordner: %2</translation>
    </message>
    <message>
        <source>Summer or winter; now %1</source>
        <translation>Sommer oder Winter; jetzt %1</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Landschaft</translation>
    </message>
    <message>
        <source>Choose a place in the landscape to see its atoms</source>
        <translation>Einen Ort in der Landschaft wählen, um seine Atome zu sehen</translation>
    </message>
    <message>
        <source>Water and air</source>
        <translation>Wasser und Luft</translation>
    </message>
    <message>
        <source>View Water/Air Interface</source>
        <translation>Grenzfläche Wasser/Luft ansehen</translation>
    </message>
    <message>
        <source>Water and rock</source>
        <translation>Wasser und Gestein</translation>
    </message>
    <message>
        <source>View Water/Rock Interface</source>
        <translation>Grenzfläche Wasser/Gestein ansehen</translation>
    </message>
    <message>
        <source>Sand</source>
        <translation>Sand</translation>
    </message>
    <message>
        <source>View Sand</source>
        <translation>Sand ansehen</translation>
    </message>
    <message>
        <source>Dark rock</source>
        <translation>Dunkles Gestein</translation>
    </message>
    <message>
        <source>View Solid Dark Rock</source>
        <translation>Festes dunkles Gestein ansehen</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Wolke</translation>
    </message>
    <message>
        <source>View Cloud</source>
        <translation>Wolke ansehen</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Luft</translation>
    </message>
    <message>
        <source>View Air Molecules</source>
        <translation>Luftmoleküle ansehen</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>View Water</source>
        <translation>Wasser ansehen</translation>
    </message>
    <message>
        <source>Thermometer bulb</source>
        <translation>Thermometerkugel</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Thermometer</translation>
    </message>
    <message>
        <source>Thermometer tube</source>
        <translation>Thermometerröhre</translation>
    </message>
    <message>
        <source>&amp;1 step per tick</source>
        <translation>&amp;1 Schritt pro Takt</translation>
    </message>
    <message>
        <source>&amp;2 steps per tick</source>
        <translation>&amp;2 Schritte pro Takt</translation>
    </message>
    <message>
        <source>&amp;5 steps per tick</source>
        <translation>&amp;5 Schritte pro Takt</translation>
    </message>
    <message>
        <source>1&amp;0 steps per tick</source>
        <translation>1&amp;0 Schritte pro Takt</translation>
    </message>
    <message>
        <source>20 &amp;steps per tick</source>
        <translation>20 &amp;Schritte pro Takt</translation>
    </message>
    <message>
        <source>50 steps &amp;per tick</source>
        <translation>50 Schritte &amp;pro Takt</translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation>&amp;Hoher Kontrast</translation>
    </message>
    <message>
        <source>Draw the Lab, its graphs and the large view in white and bright colours on black, for a projector</source>
        <translation>Labor, Diagramme und große Ansicht in Weiß und hellen Farben auf Schwarz zeichnen, für den Beamer</translation>
    </message>
    <message>
        <source>Speed &amp;Colours</source>
        <translation>Geschwindigkeits&amp;farben</translation>
    </message>
    <message>
        <source>Blue to &amp;Red</source>
        <translation>Blau bis &amp;Rot</translation>
    </message>
    <message>
        <source>Blue to &amp;Yellow (for red-green colour blindness)</source>
        <translation>Blau bis &amp;Gelb (bei Rot-Grün-Sehschwäche)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open Scenario…</source>
        <translation>Szenario ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Open Ex&amp;periment…</source>
        <translation>Ex&amp;periment öffnen…</translation>
    </message>
    <message>
        <source>Open a guided experiment file, such as one a teacher wrote</source>
        <translation>Eine Datei mit einem angeleiteten Experiment öffnen, etwa eines, das eine Lehrkraft geschrieben hat</translation>
    </message>
    <message>
        <source>&amp;Save Snapshot…</source>
        <translation>Momentaufnahme &amp;speichern…</translation>
    </message>
    <message>
        <source>Save the atoms as they are now as a scenario file; loading it draws fresh velocities for its temperature, as for every scenario file</source>
        <translation>Die Atome in ihrem jetzigen Zustand als Szenariodatei speichern; beim Laden werden die Geschwindigkeiten für ihre Temperatur neu ausgelost, wie bei jeder Szenariodatei</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>&amp;Picture…</source>
        <translation>&amp;Bild…</translation>
    </message>
    <message>
        <source>Save the atom view as a PNG picture</source>
        <translation>Die Atomansicht als PNG-Bild speichern</translation>
    </message>
    <message>
        <source>&amp;Worksheet…</source>
        <translation>&amp;Arbeitsblatt…</translation>
    </message>
    <message>
        <source>Write the open experiment&apos;s worksheet, with your answers and the values measured, as a PDF or a web page</source>
        <translation>Das Arbeitsblatt des geöffneten Experiments mit den Antworten und Messwerten als PDF oder Webseite speichern</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Single Component</source>
        <translation>&amp;Eine Komponente</translation>
    </message>
    <message>
        <source>&amp;Solid</source>
        <translation>&amp;Fest</translation>
    </message>
    <message>
        <source>&amp;Liquid</source>
        <translation>F&amp;lüssig</translation>
    </message>
    <message>
        <source>&amp;Gas</source>
        <translation>&amp;Gas</translation>
    </message>
    <message>
        <source>&amp;Double Component</source>
        <translation>&amp;Zwei Komponenten</translation>
    </message>
    <message>
        <source>&amp;Solid-Liquid</source>
        <translation>&amp;Fest/Flüssig</translation>
    </message>
    <message>
        <source>Solid-&amp;Gas</source>
        <translation>Fest/&amp;Gas</translation>
    </message>
    <message>
        <source>&amp;Liquid-Gas</source>
        <translation>F&amp;lüssig/Gas</translation>
    </message>
    <message>
        <source>&amp;Follow the Ambient Temperature</source>
        <translation>Der &amp;Umgebungstemperatur folgen</translation>
    </message>
    <message>
        <source>Hold the atoms at the temperature of the season and the time of day</source>
        <translation>Die Atome auf der Temperatur der Jahreszeit und der Tageszeit halten</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>&amp;Simulation</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>&amp;Einzelschritt</translation>
    </message>
    <message>
        <source>One tick while paused</source>
        <translation>Im angehaltenen Zustand einen Takt weiterrechnen</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>&amp;Geschwindigkeit</translation>
    </message>
    <message>
        <source>Re&amp;start</source>
        <translation>&amp;Neu starten</translation>
    </message>
    <message>
        <source>Load the running scenario&apos;s file again</source>
        <translation>Die Datei des laufenden Szenarios neu laden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Lab…</source>
        <translation>&amp;Labor…</translation>
    </message>
    <message>
        <source>La&amp;rge View…</source>
        <translation>&amp;Große Ansicht…</translation>
    </message>
    <message>
        <source>&amp;Interactions…</source>
        <translation>&amp;Wechselwirkungen…</translation>
    </message>
    <message>
        <source>&amp;Experiments…</source>
        <translation>&amp;Experimente…</translation>
    </message>
    <message>
        <source>Guided experiments: the program sets each step up and checks what you measure</source>
        <translation>Angeleitete Experimente: Das Programm bereitet jeden Schritt vor und prüft, was gemessen wird</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>FPS: %1</source>
        <translation>FPS: %1</translation>
    </message>
    <message>
        <source>Scenario files (*.ams);;All files (*)</source>
        <translation>Szenariodateien (*.ams);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open Scenario</source>
        <translation>Szenario öffnen</translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation>Momentaufnahme speichern</translation>
    </message>
    <message>
        <source>The snapshot cannot be saved:
%1</source>
        <translation>Die Momentaufnahme kann nicht gespeichert werden:
%1</translation>
    </message>
    <message>
        <source>Record Trajectory</source>
        <translation>Trajektorie aufzeichnen</translation>
    </message>
    <message>
        <source>Extended XYZ (*.xyz);;All files (*)</source>
        <translation>Extended XYZ (*.xyz);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Write every K-th frame shown. K:</source>
        <translation>Jedes K-te angezeigte Bild schreiben. K:</translation>
    </message>
    <message>
        <source>The trajectory cannot be recorded:
%1</source>
        <translation>Die Trajektorie kann nicht aufgezeichnet werden:
%1</translation>
    </message>
    <message>
        <source>Recording the trajectory has stopped:
%1</source>
        <translation>Die Aufzeichnung der Trajektorie wurde abgebrochen:
%1</translation>
    </message>
    <message>
        <source>Stop Recording the &amp;Trajectory</source>
        <translation>Aufzeichnung der &amp;Trajektorie beenden</translation>
    </message>
    <message>
        <source>&amp;Trajectory…</source>
        <translation>&amp;Trajektorie…</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Aufzeichnung in %1</translation>
    </message>
    <message>
        <source>Record every K-th frame shown to an extended-XYZ file</source>
        <translation>Jedes K-te angezeigte Bild in eine Extended-XYZ-Datei aufzeichnen</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Fest</translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation>Flüssig</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Gas-Gas</source>
        <translation>Gas/Gas</translation>
    </message>
    <message>
        <source>Solid-Liquid</source>
        <translation>Fest/Flüssig</translation>
    </message>
    <message>
        <source>Solid-Gas</source>
        <translation>Fest/Gas</translation>
    </message>
    <message>
        <source>Liquid-Gas</source>
        <translation>Flüssig/Gas</translation>
    </message>
    <message>
        <source>

Folders searched: %1</source>
        <translation>

Durchsuchte Ordner: %1</translation>
    </message>
    <message>
        <source>The scenario cannot be loaded:
%1%2

The simulation carries on as it was.</source>
        <translation>Das Szenario kann nicht geladen werden:
%1%2

Die Simulation läuft unverändert weiter.</translation>
    </message>
    <message>
        <source>The box of %1 cannot be shown:
%2</source>
        <translation>Der Behälter von %1 kann nicht angezeigt werden:
%2</translation>
    </message>
    <message>
        <source>The material card cannot be used:
%1

The scenario runs in model units.</source>
        <translation>Die Stoffkarte kann nicht verwendet werden:
%1

Das Szenario läuft in Modelleinheiten.</translation>
    </message>
    <message>
        <source>Temperature: %1 %2</source>
        <translation>Temperatur: %1 %2</translation>
    </message>
    <message>
        <source>No simulation yet: choose a place in the landscape</source>
        <translation>Noch keine Simulation: einen Ort in der Landschaft wählen</translation>
    </message>
    <message>
        <source>atoms: %1</source>
        <translation>Atome: %1</translation>
    </message>
    <message>
        <source>insulated: no heat in or out</source>
        <translation>isoliert: kein Wärmeaustausch</translation>
    </message>
    <message>
        <source>kept at %1 %2</source>
        <translation>gehalten auf %1 %2</translation>
    </message>
    <message>
        <source>the lid holds the box at %1 % of its height</source>
        <translation>der Deckel hält den Behälter auf %1 % seiner Höhe</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the parts of the atom view&apos;s summary</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>Disp Time: %1</source>
        <translation>Zeichenzeit: %1</translation>
    </message>
    <message>
        <source>&amp;Keyboard…</source>
        <translation>&amp;Tastatur…</translation>
    </message>
    <message>
        <source>List every key the program answers to</source>
        <translation>Alle Tasten auflisten, auf die das Programm reagiert</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Version %1.%2</translation>
    </message>
</context>
<context>
    <name>guide::AnswerInput</name>
    <message>
        <source>(choose one)</source>
        <translation>(bitte auswählen)</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>Angabe in %1</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Your choice</source>
        <translation>Auswahl</translation>
    </message>
</context>
<context>
    <name>guide::ExperimentLibrary</name>
    <message>
        <source>%1 cannot be copied to %2.</source>
        <translation>%1 kann nicht nach %2 kopiert werden.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>guide::ExperimentSession</name>
    <message>
        <source>The scenario file %1 cannot be found beside the experiment (%2) nor among the program&apos;s own.</source>
        <translation>Die Szenariodatei %1 ist weder neben dem Experiment (%2) noch unter den mitgelieferten Szenarien des Programms zu finden.</translation>
    </message>
    <message>
        <source>The scenario file %1 cannot be loaded.</source>
        <translation>Die Szenariodatei %1 kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>The scenario has no material card, so a pressure in kPa cannot be held.</source>
        <translation>Das Szenario hat keine Stoffkarte, daher kann kein Druck in kPa gehalten werden.</translation>
    </message>
    <message>
        <source>This step measures %1, which is not running now. Press Set up again to load it.</source>
        <translation>Dieser Schritt misst in %1, das gerade nicht läuft. Zum Laden „Neu einrichten“ drücken.</translation>
    </message>
    <message>
        <source>The simulation is paused: press Space to run it. %1</source>
        <translation>Die Simulation ist angehalten: zum Weiterlaufen die Leertaste drücken. %1</translation>
    </message>
</context>
<context>
    <name>guide::ExperimentWindow</name>
    <message>
        <source> (about %1 min)</source>
        <translation> (etwa %1 min)</translation>
    </message>
    <message>
        <source> — your own</source>
        <translation> — eigenes</translation>
    </message>
    <message>
        <source>Experiments</source>
        <translation>Experimente</translation>
    </message>
    <message>
        <source>&amp;Choose an experiment:</source>
        <translation>Experiment &amp;auswählen:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>&amp;Open Experiment File…</source>
        <translation>Experiment&amp;datei öffnen…</translation>
    </message>
    <message>
        <source>Step text</source>
        <translation>Anleitung des Schritts</translation>
    </message>
    <message>
        <source>Set &amp;up again</source>
        <translation>Neu &amp;einrichten</translation>
    </message>
    <message>
        <source>Do this step&apos;s set-up again: load its scenario, set the thermostat, the lid and the graphs</source>
        <translation>Die Vorbereitung dieses Schritts wiederholen: Szenario laden, Thermostat, Deckel und Diagramme einstellen</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Rückmeldung</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>&amp;All Experiments</source>
        <translation>A&amp;lle Experimente</translation>
    </message>
    <message>
        <source>&amp;Worksheet…</source>
        <translation>Arbeits&amp;blatt…</translation>
    </message>
    <message>
        <source>&amp;Measure</source>
        <translation>&amp;Messen</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Messwert</translation>
    </message>
    <message>
        <source>This experiment cannot be opened: %1</source>
        <translation>Dieses Experiment kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Step %2 of %3: %4</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Schritt %2 von %3: %4</translation>
    </message>
    <message>
        <source>The program measures %1.</source>
        <translation>Das Programm misst %1.</translation>
    </message>
    <message>
        <source>not measured yet</source>
        <translation>noch nicht gemessen</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Arbeitsblatt</translation>
    </message>
    <message>
        <source>Your name for the worksheet:</source>
        <translation>Name für das Arbeitsblatt:</translation>
    </message>
    <message>
        <source>Export Worksheet</source>
        <translation>Arbeitsblatt exportieren</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;Web page (*.html)</source>
        <translation>PDF (*.pdf);;Webseite (*.html)</translation>
    </message>
    <message>
        <source>The worksheet was written to %1.</source>
        <translation>Das Arbeitsblatt wurde in %1 gespeichert.</translation>
    </message>
    <message>
        <source>Start the chosen experiment</source>
        <translation>Das gewählte Experiment starten</translation>
    </message>
    <message>
        <source>Open an experiment file from any folder</source>
        <translation>Eine Experimentdatei aus einem beliebigen Ordner öffnen</translation>
    </message>
    <message>
        <source>Check your answer and the measurement</source>
        <translation>Antwort und Messung prüfen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>The step before</source>
        <translation>Zum vorigen Schritt</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>The next step</source>
        <translation>Zum nächsten Schritt</translation>
    </message>
    <message>
        <source>Back to the list of experiments</source>
        <translation>Zurück zur Liste der Experimente</translation>
    </message>
    <message>
        <source>Write the worksheet to hand in, as PDF or a web page</source>
        <translation>Das Arbeitsblatt zum Abgeben speichern, als PDF oder Webseite</translation>
    </message>
    <message>
        <source>Take this step&apos;s measurement from the running simulation</source>
        <translation>Die Messung dieses Schritts aus der laufenden Simulation übernehmen</translation>
    </message>
</context>
<context>
    <name>guide::Measurement</name>
    <message>
        <source>%L1 K</source>
        <translation>%L1 K</translation>
    </message>
    <message>
        <source>The temperature is the mean over %L1 steps: let the simulation run a little longer, then measure again.</source>
        <translation>Die Temperatur ist der Mittelwert über %L1 Schritte: die Simulation etwas länger laufen lassen, dann erneut messen.</translation>
    </message>
    <message>
        <source>The heating ramp has not passed %1 yet: let it run on, then measure again.</source>
        <translation>Die Heizrampe hat %1 noch nicht überschritten: weiterlaufen lassen, dann erneut messen.</translation>
    </message>
    <message>
        <source>The heating curve shows no plateau between %1 and %2. Press Set up again to run the ramp again, and let it run to the end.</source>
        <translation>Die Heizkurve zeigt kein Plateau zwischen %1 und %2. „Neu einrichten“ drücken, um die Rampe noch einmal zu fahren, und sie bis zum Ende laufen lassen.</translation>
    </message>
    <message>
        <source>The pressure gauge averages over a stretch of the run: let the simulation run a little longer, then measure again.</source>
        <translation>Der Druckmesser mittelt über einen Abschnitt des Laufs: die Simulation etwas länger laufen lassen, dann erneut messen.</translation>
    </message>
    <message>
        <source>The lid is still moving: measure when it has stopped.</source>
        <translation>Der Deckel bewegt sich noch: erst messen, wenn er stillsteht.</translation>
    </message>
    <message>
        <source>The running scenario has no material %1.</source>
        <translation>Das laufende Szenario enthält keinen Stoff %1.</translation>
    </message>
    <message>
        <source>The phases are told from the last %L1 steps of the run: let the simulation run a little longer, then measure again.</source>
        <translation>Die Aggregatzustände werden aus den letzten %L1 Schritten des Laufs bestimmt: die Simulation etwas länger laufen lassen, dann erneut messen.</translation>
    </message>
    <message>
        <source>Let the simulation run a little, then measure again.</source>
        <translation>Die Simulation etwas laufen lassen, dann erneut messen.</translation>
    </message>
    <message>
        <source>No two atoms of these materials are close together now.</source>
        <translation>Gerade befinden sich keine zwei Atome dieser Stoffe nahe beieinander.</translation>
    </message>
    <message>
        <source>The distances cannot be measured in this scenario.</source>
        <translation>Die Abstände können in diesem Szenario nicht gemessen werden.</translation>
    </message>
    <message>
        <source>the temperature</source>
        <translation>die Temperatur</translation>
    </message>
    <message>
        <source>the plateau of the heating curve</source>
        <translation>das Plateau der Heizkurve</translation>
    </message>
    <message>
        <source>the energy taken up over the plateau</source>
        <translation>die während des Plateaus aufgenommene Energie</translation>
    </message>
    <message>
        <source>the pressure on the walls</source>
        <translation>den Druck auf die Wände</translation>
    </message>
    <message>
        <source>the room the atoms have inside the walls</source>
        <translation>den Raum, der den Atomen innerhalb der Wände zur Verfügung steht</translation>
    </message>
    <message>
        <source>the share of atoms moving about</source>
        <translation>den Anteil der umherwandernden Atome</translation>
    </message>
    <message>
        <source>the share of atoms in the vapour</source>
        <translation>den Anteil der Atome im Dampf</translation>
    </message>
    <message>
        <source>the phase</source>
        <translation>den Aggregatzustand</translation>
    </message>
    <message>
        <source>the potential energy per atom</source>
        <translation>die potenzielle Energie pro Atom</translation>
    </message>
    <message>
        <source>the depth of the energy well</source>
        <translation>die Tiefe der Energiemulde</translation>
    </message>
    <message>
        <source>the distance at the bottom of the well</source>
        <translation>den Abstand am Boden der Mulde</translation>
    </message>
    <message>
        <source>the most common distance between neighbours</source>
        <translation>den häufigsten Abstand zwischen Nachbaratomen</translation>
    </message>
    <message>
        <source>This measurement is not known.</source>
        <translation>Diese Messung ist unbekannt.</translation>
    </message>
</context>
<context>
    <name>guide::Verdict</name>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>%1 lies between %2 and %3</source>
        <translation>%1 liegt zwischen %2 und %3</translation>
    </message>
    <message>
        <source>%1 does not lie between %2 and %3</source>
        <translation>%1 liegt nicht zwischen %2 und %3</translation>
    </message>
    <message>
        <source>%1 is above %2</source>
        <translation>%1 liegt über %2</translation>
    </message>
    <message>
        <source>%1 is not above %2</source>
        <translation>%1 liegt nicht über %2</translation>
    </message>
    <message>
        <source>%1 is below %2</source>
        <translation>%1 liegt unter %2</translation>
    </message>
    <message>
        <source>%1 is not below %2</source>
        <translation>%1 liegt nicht unter %2</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>es ist %1</translation>
    </message>
    <message>
        <source>it is not %1</source>
        <translation>es ist nicht %1</translation>
    </message>
    <message>
        <source>Give your answer first.</source>
        <translation>Zuerst eine Antwort geben.</translation>
    </message>
    <message>
        <source>This needs the measurement of step %1: go back and take it.</source>
        <translation>Dafür wird die Messung aus Schritt %1 gebraucht: zurückgehen und sie durchführen.</translation>
    </message>
    <message>
        <source>Take the measurement first: press Measure.</source>
        <translation>Zuerst messen: „Messen“ drücken.</translation>
    </message>
    <message>
        <source>Right: %1.</source>
        <translation>Richtig: %1.</translation>
    </message>
    <message>
        <source>Read the step again and look at what it shows.</source>
        <translation>Den Schritt noch einmal lesen und genau ansehen, was er zeigt.</translation>
    </message>
    <message>
        <source>Not yet: %1. %2</source>
        <translation>Noch nicht: %1. %2</translation>
    </message>
    <message>
        <source>The scenario&apos;s material card does not give the figure this is checked against, so it cannot be checked.</source>
        <translation>Die Stoffkarte des Szenarios enthält den Vergleichswert für diese Prüfung nicht, daher ist keine Prüfung möglich.</translation>
    </message>
</context>
<context>
    <name>guide::Worksheet</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Choices: </source>
        <translation>Auswahl: </translation>
    </message>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Messwert</translation>
    </message>
    <message>
        <source>The worksheet could not be written to %1: %2</source>
        <translation>Das Arbeitsblatt konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>lab::ChartSummary</name>
    <message>
        <source>Horizontal axis</source>
        <translation>Waagerechte Achse</translation>
    </message>
    <message>
        <source>Vertical axis</source>
        <translation>Senkrechte Achse</translation>
    </message>
    <message>
        <source>%1: %2 to %3</source>
        <comment>axis: range</comment>
        <translation>%1: %2 bis %3</translation>
    </message>
    <message>
        <source>%1: no values yet</source>
        <translation>%1: noch keine Werte</translation>
    </message>
    <message>
        <source>%1: %2 at %3</source>
        <comment>series: y at x</comment>
        <translation>%1: %2 bei %3</translation>
    </message>
    <message>
        <source>%1: %2 points</source>
        <translation>%1: %2 Punkte</translation>
    </message>
    <message>
        <source>%1: %2 throughout</source>
        <translation>%1: durchgehend %2</translation>
    </message>
    <message>
        <source>%1: latest %2 at %3</source>
        <comment>series: latest y at x</comment>
        <translation>%1: zuletzt %2 bei %3</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a sentence</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>list separator</comment>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>lab::LabWindow</name>
    <message>
        <source>Lab</source>
        <translation>Labor</translation>
    </message>
    <message>
        <source>Phase dia&amp;gram</source>
        <translation>&amp;Phasendiagramm</translation>
    </message>
    <message>
        <source>&amp;Save CSV…</source>
        <translation>CSV &amp;speichern…</translation>
    </message>
    <message>
        <source>Save every recorded sample as a table: one row per sample, a header row with units</source>
        <translation>Alle aufgezeichneten Messpunkte als Tabelle speichern: eine Zeile pro Messpunkt, eine Kopfzeile mit Einheiten</translation>
    </message>
    <message>
        <source>&amp;Units </source>
        <translation>Ei&amp;nheiten </translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Temperatureinheit</translation>
    </message>
    <message>
        <source>The unit of every temperature, here and in the status bar</source>
        <translation>Die Einheit aller Temperaturen, hier und in der Statusleiste</translation>
    </message>
    <message>
        <source> &amp;Pressure </source>
        <translation> &amp;Druck </translation>
    </message>
    <message>
        <source>Pressure unit</source>
        <translation>Druckeinheit</translation>
    </message>
    <message>
        <source>The unit of the wall pressure: kilopascal or standard atmosphere (%1 kPa)</source>
        <translation>Die Einheit des Wanddrucks: Kilopascal oder physikalische Atmosphäre (%1 kPa)</translation>
    </message>
    <message>
        <source>%1 cannot be written: the folder is missing or not writable, or the disk is full.</source>
        <translation>%1 kann nicht geschrieben werden: Der Ordner fehlt oder ist schreibgeschützt, oder der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>Save the recorded series</source>
        <translation>Die aufgezeichneten Messreihen speichern</translation>
    </message>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation>CSV-Tabellen (*.csv)</translation>
    </message>
</context>
<context>
    <name>lab::MaterialsPanel</name>
    <message>
        <source>Substance</source>
        <translation>Stoff</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>The chemical element the atoms stand for</source>
        <translation>Das chemische Element, für das die Atome stehen</translation>
    </message>
    <message>
        <source>Melts</source>
        <translation>Schmelzpunkt</translation>
    </message>
    <message>
        <source>The real melting point</source>
        <translation>Der Schmelzpunkt des realen Stoffs</translation>
    </message>
    <message>
        <source>Boils</source>
        <translation>Siedepunkt</translation>
    </message>
    <message>
        <source>The real boiling point</source>
        <translation>Der Siedepunkt des realen Stoffs</translation>
    </message>
    <message>
        <source>Model melts</source>
        <translation>Schmelzpunkt im Modell</translation>
    </message>
    <message>
        <source>The melting point measured on the model</source>
        <translation>Der am Modell gemessene Schmelzpunkt</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Quelle: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>caption: value</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Materials</source>
        <translation>Stoffe</translation>
    </message>
    <message>
        <source>The real length of the model&apos;s unit of length</source>
        <translation>Die reale Länge der Längeneinheit des Modells</translation>
    </message>
    <message>
        <source>The real mass of the model&apos;s unit of mass</source>
        <translation>Die reale Masse der Masseneinheit des Modells</translation>
    </message>
    <message>
        <source>The real time one step of the simulation lasts</source>
        <translation>Die reale Dauer eines Simulationsschritts</translation>
    </message>
    <message>
        <source>Length unit</source>
        <translation>Längeneinheit</translation>
    </message>
    <message>
        <source>Mass unit</source>
        <translation>Masseneinheit</translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Zeitschritt</translation>
    </message>
    <message>
        <source>No material card: model units</source>
        <translation>Keine Stoffkarte: Modelleinheiten</translation>
    </message>
    <message>
        <source>The material card was refused: model units</source>
        <translation>Stoffkarte abgelehnt: Modelleinheiten</translation>
    </message>
    <message>
        <source>The scenario has no card beside it that names its substances, so it runs in model units</source>
        <translation>Neben dem Szenario liegt keine Karte, die seine Stoffe nennt, daher läuft es in Modelleinheiten</translation>
    </message>
</context>
<context>
    <name>lab::PhaseDiagram</name>
    <message>
        <source>Your state point</source>
        <translation>Aktueller Zustandspunkt</translation>
    </message>
    <message>
        <source>Phase diagram of %1</source>
        <translation>Phasendiagramm von %1</translation>
    </message>
    <message>
        <source>temperature against density</source>
        <translation>Temperatur gegen Dichte</translation>
    </message>
    <message>
        <source>Each state point of the map by its density and temperature; your state point marked large</source>
        <translation>Jeder Zustandspunkt der Karte nach Dichte und Temperatur; der aktuelle Zustandspunkt groß markiert</translation>
    </message>
    <message>
        <source>pressure against temperature</source>
        <translation>Druck gegen Temperatur</translation>
    </message>
    <message>
        <source>Each state point of the map by its temperature and pressure on the walls, pressure on a logarithmic axis; the real triple and critical points marked</source>
        <translation>Jeder Zustandspunkt der Karte nach Temperatur und Druck auf die Wände, der Druck auf einer logarithmischen Achse; realer Tripelpunkt und kritischer Punkt markiert</translation>
    </message>
    <message>
        <source>%1 measured on the model</source>
        <translation>%1 am Modell gemessen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>material: chart</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Density (%1)</source>
        <translation>Dichte (%1)</translation>
    </message>
    <message>
        <source>real triple point</source>
        <translation>realer Tripelpunkt</translation>
    </message>
    <message>
        <source>real critical point</source>
        <translation>realer kritischer Punkt</translation>
    </message>
    <message>
        <source>Measured on the model: each mark is a state the model of %1 was held at, shaped and coloured by the phases found there. </source>
        <translation>Am Modell gemessen: Jede Markierung ist ein Zustand, in dem das Modell von %1 gehalten wurde, in Form und Farbe nach den dort gefundenen Phasen. </translation>
    </message>
    <message>
        <source>%1 of its %2 state points, where the walls felt no push, are not on the pressure chart. </source>
        <translation>%1 seiner %2 Zustandspunkte, bei denen die Wände keinen Druck spürten, fehlen im Druckdiagramm. </translation>
    </message>
    <message>
        <source>Hollow marks and dashed lines: the real substance, from the material card.</source>
        <translation>Hohle Markierungen und gestrichelte Linien: der reale Stoff, laut Stoffkarte.</translation>
    </message>
    <message>
        <source>The material card gives no triple or critical point of the real substance.</source>
        <translation>Die Stoffkarte nennt weder Tripelpunkt noch kritischen Punkt des realen Stoffs.</translation>
    </message>
    <message>
        <source>Temperature (%1)</source>
        <translation>Temperatur (%1)</translation>
    </message>
    <message>
        <source>Pressure on the walls (%1)</source>
        <translation>Druck auf die Wände (%1)</translation>
    </message>
    <message>
        <source>Your state point: not measured yet</source>
        <translation>Aktueller Zustandspunkt: noch nicht gemessen</translation>
    </message>
    <message>
        <source>pressure not measured yet</source>
        <translation>Druck noch nicht gemessen</translation>
    </message>
    <message>
        <source>Your state point: %1 %2, %3 %4, %5</source>
        <translation>Aktueller Zustandspunkt: %1 %2, %3 %4, %5</translation>
    </message>
</context>
<context>
    <name>lab::PhaseDiagramTab</name>
    <message>
        <source>Phase diagram</source>
        <translation>Phasendiagramm</translation>
    </message>
    <message>
        <source>The phases measured on the model of each material at many temperatures and densities, with your own state point and the real substance&apos;s triple and critical points</source>
        <translation>Die am Modell jedes Stoffs bei vielen Temperaturen und Dichten gemessenen Phasen, mit dem aktuellen Zustandspunkt sowie Tripelpunkt und kritischem Punkt des realen Stoffs</translation>
    </message>
    <message>
        <source>No scenario runs yet.</source>
        <translation>Es läuft noch kein Szenario.</translation>
    </message>
    <message>
        <source>Material of the phase diagram</source>
        <translation>Stoff des Phasendiagramms</translation>
    </message>
    <message>
        <source>Chooses which material&apos;s phase diagram is shown</source>
        <translation>Wählt den Stoff, dessen Phasendiagramm angezeigt wird</translation>
    </message>
    <message>
        <source>This scenario has no material card, so the Lab cannot tell which substance its atoms stand for, nor whose phase map to show. A card beside the scenario file (X.card beside X.ams) names its substances.</source>
        <translation>Dieses Szenario hat keine Stoffkarte, daher kann das Labor weder erkennen, für welchen Stoff seine Atome stehen, noch welche Phasenkarte es zeigen soll. Eine Karte neben der Szenariodatei (X.card neben X.ams) nennt seine Stoffe.</translation>
    </message>
    <message>
        <source>With several materials in the box, the density is this material&apos;s own and the pressure the whole box&apos;s, which all of them share</source>
        <translation>Bei mehreren Stoffen im Behälter gilt die Dichte nur für diesen Stoff, der Druck dagegen für den ganzen Behälter, den sich alle Stoffe teilen</translation>
    </message>
    <message>
        <source>No phase map has been looked up for %1.</source>
        <translation>Für %1 wurde keine Phasenkarte gesucht.</translation>
    </message>
</context>
<context>
    <name>lab::PhaseLegend</name>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
</context>
<context>
    <name>lab::PhaseMapSource</name>
    <message>
        <source>No phase map has been measured on the model for %1.</source>
        <translation>Für %1 wurde keine Phasenkarte am Modell gemessen.</translation>
    </message>
    <message>
        <source>The phase map found for %1 is the map of %2.</source>
        <translation>Die für %1 gefundene Phasenkarte ist die Karte von %2.</translation>
    </message>
    <message>
        <source>The phase map of %1 holds no state points yet.</source>
        <translation>Die Phasenkarte von %1 enthält noch keine Zustandspunkte.</translation>
    </message>
    <message>
        <source>The phase map of %1 cannot be read: %2</source>
        <translation>Die Phasenkarte von %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>lab::PhaseWatch</name>
    <message>
        <source>Phase change: %1 is now %2 (was %3).</source>
        <translation>Phasenübergang: %1 ist jetzt %2 (vorher %3).</translation>
    </message>
</context>
<context>
    <name>lab::ReadoutPanel</name>
    <message>
        <source>Per atom, in kilojoules per mole of atoms</source>
        <translation>Pro Atom, in Kilojoule pro Mol Atome</translation>
    </message>
    <message>
        <source>Per atom, in the model&apos;s units: the scenario has no material card</source>
        <translation>Pro Atom, in Modelleinheiten: Das Szenario hat keine Stoffkarte</translation>
    </message>
    <message>
        <source>Force of the walls on the atoms per area of the walls&apos; inner faces, averaged like a gauge over the last %1 steps</source>
        <translation>Kraft der Wände auf die Atome pro Fläche der Wandinnenseiten, wie bei einem Messgerät über die letzten %1 Schritte gemittelt</translation>
    </message>
    <message>
        <source>Force of the walls on the atoms per area of the walls&apos; inner faces, averaged like a gauge over the last %1 steps, in the model&apos;s units: the scenario has no material card</source>
        <translation>Kraft der Wände auf die Atome pro Fläche der Wandinnenseiten, wie bei einem Messgerät über die letzten %1 Schritte gemittelt, in Modelleinheiten: Das Szenario hat keine Stoffkarte</translation>
    </message>
    <message>
        <source>Time steps since the scenario started, and the time they simulated</source>
        <translation>Zeitschritte seit dem Start des Szenarios und die damit simulierte Zeit</translation>
    </message>
    <message>
        <source>Time steps since the scenario started</source>
        <translation>Zeitschritte seit dem Start des Szenarios</translation>
    </message>
    <message>
        <source>Material %1</source>
        <translation>Stoff %1</translation>
    </message>
    <message>
        <source>Readouts</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Measured: 2/3 of the mean kinetic energy per atom</source>
        <translation>Gemessen: 2/3 der mittleren kinetischen Energie pro Atom</translation>
    </message>
    <message>
        <source>Kinetic energy</source>
        <translation>Kinetische Energie</translation>
    </message>
    <message>
        <source>Potential energy</source>
        <translation>Potenzielle Energie</translation>
    </message>
    <message>
        <source>Total energy</source>
        <translation>Gesamtenergie</translation>
    </message>
    <message>
        <source>Wall pressure</source>
        <translation>Wanddruck</translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation>Atome</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Rechentempo</translation>
    </message>
    <message>
        <source>Atoms times time steps simulated per second</source>
        <translation>Simulierte Atome mal Zeitschritte pro Sekunde</translation>
    </message>
    <message>
        <source>not measured yet</source>
        <translation>noch nicht gemessen</translation>
    </message>
    <message>
        <source>not told yet</source>
        <translation>noch nicht bestimmt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>readout: value</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 atom-steps/s</source>
        <translation>%1 Atomschritte/s</translation>
    </message>
    <message>
        <source>Phase from how far the atoms move over 1,000 steps and how many neighbours they keep</source>
        <translation>Aggregatzustand, bestimmt daraus, wie weit sich die Atome in 1.000 Schritten bewegen und wie viele Nachbarn sie behalten</translation>
    </message>
</context>
<context>
    <name>lab::SeriesCharts</name>
    <message>
        <source>Temperature (%1)</source>
        <translation>Temperatur (%1)</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Graphs</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>&amp;Temperature</source>
        <translation>&amp;Temperatur</translation>
    </message>
    <message>
        <source>Temperature graph</source>
        <translation>Temperaturdiagramm</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Gemessen</translation>
    </message>
    <message>
        <source>Thermostat</source>
        <translation>Thermostat</translation>
    </message>
    <message>
        <source>&amp;Energy</source>
        <translation>&amp;Energie</translation>
    </message>
    <message>
        <source>Energy graph</source>
        <translation>Energiediagramm</translation>
    </message>
    <message>
        <source>Kinetic</source>
        <translation>Kinetisch</translation>
    </message>
    <message>
        <source>Potential</source>
        <translation>Potenziell</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>&amp;Wall pressure</source>
        <translation>&amp;Wanddruck</translation>
    </message>
    <message>
        <source>Wall pressure graph</source>
        <translation>Wanddruckdiagramm</translation>
    </message>
    <message>
        <source>On the walls</source>
        <translation>Auf die Wände</translation>
    </message>
    <message>
        <source>Heating &amp;curve</source>
        <translation>Heizkur&amp;ve</translation>
    </message>
    <message>
        <source>Heating curve graph</source>
        <translation>Diagramm der Heizkurve</translation>
    </message>
    <message>
        <source>Measured temperature during the ramp</source>
        <translation>Gemessene Temperatur während der Rampe</translation>
    </message>
    <message>
        <source>Energy per atom (%1)</source>
        <translation>Energie pro Atom (%1)</translation>
    </message>
    <message>
        <source>Wall pressure (%1)</source>
        <translation>Wanddruck (%1)</translation>
    </message>
    <message>
        <source>Total energy per atom (%1)</source>
        <translation>Gesamtenergie pro Atom (%1)</translation>
    </message>
</context>
<context>
    <name>lab::ThermostatPanel</name>
    <message>
        <source>Thermostat</source>
        <translation>Thermostat</translation>
    </message>
    <message>
        <source>&amp;Hold</source>
        <translation>&amp;Halten</translation>
    </message>
    <message>
        <source>Hold the atoms at this temperature, whatever the season or the time of day. Off: the scenario&apos;s own temperature.</source>
        <translation>Die Atome auf dieser Temperatur halten, unabhängig von Jahreszeit und Tageszeit. Aus: die eigene Temperatur des Szenarios.</translation>
    </message>
    <message>
        <source>&amp;Follow the ambient temperature</source>
        <translation>Der &amp;Umgebungstemperatur folgen</translation>
    </message>
    <message>
        <source>Every change of season or time of day moves the thermostat to the ambient temperature.</source>
        <translation>Jede Änderung der Jahreszeit oder Tageszeit stellt den Thermostat auf die Umgebungstemperatur.</translation>
    </message>
    <message>
        <source>R&amp;amp to</source>
        <translation>R&amp;ampe auf</translation>
    </message>
    <message>
        <source> steps</source>
        <translation> Schritte</translation>
    </message>
    <message>
        <source>Ramp length in steps</source>
        <translation>Dauer der Rampe in Schritten</translation>
    </message>
    <message>
        <source>How many time steps the ramp takes to reach its temperature</source>
        <translation>Wie viele Zeitschritte die Rampe braucht, um ihre Temperatur zu erreichen</translation>
    </message>
    <message>
        <source>&amp;Ramp</source>
        <translation>&amp;Rampe starten</translation>
    </message>
    <message>
        <source>Move the thermostat steadily to this temperature and plot the heating curve</source>
        <translation>Den Thermostat gleichmäßig auf diese Temperatur bringen und die Heizkurve aufzeichnen</translation>
    </message>
    <message>
        <source>&amp;Insulated: no heat in or out</source>
        <translation>&amp;Isoliert: kein Wärmeaustausch</translation>
    </message>
    <message>
        <source>No thermostat and no clamp: the atoms keep their total energy, so a liquid that evaporates cools down.</source>
        <translation>Kein Thermostat und keine Begrenzung: Die Atome behalten ihre Gesamtenergie, daher kühlt eine verdunstende Flüssigkeit ab.</translation>
    </message>
    <message>
        <source>The temperature the atoms are held at: from %1 to %2.</source>
        <translation>Die Temperatur, auf der die Atome gehalten werden: von %1 bis %2.</translation>
    </message>
    <message>
        <source>Thermostat temperature, in tenths of %1</source>
        <translation>Thermostattemperatur in Zehnteln von %1</translation>
    </message>
    <message>
        <source>Thermostat temperature in %1</source>
        <translation>Thermostattemperatur in %1</translation>
    </message>
    <message>
        <source>Ramp to temperature in %1</source>
        <translation>Zieltemperatur der Rampe in %1</translation>
    </message>
    <message>
        <source>Stop &amp;ramp</source>
        <translation>&amp;Rampe stoppen</translation>
    </message>
</context>
<context>
    <name>lab::VolumePanel</name>
    <message>
        <source>Volume and pressure</source>
        <translation>Volumen und Druck</translation>
    </message>
    <message>
        <source>Box height in per cent</source>
        <translation>Behälterhöhe in Prozent</translation>
    </message>
    <message>
        <source>&amp;Box height</source>
        <translation>&amp;Behälterhöhe</translation>
    </message>
    <message>
        <source>H&amp;old pressure</source>
        <translation>Druck &amp;konstant halten</translation>
    </message>
    <message>
        <source>Hold pressure</source>
        <translation>Druck konstant halten</translation>
    </message>
    <message>
        <source>Move the lid by itself to keep the pressure on it at this value: slowly, after each reading of its gauge (the lid feels the gas or vapour above a liquid, not the liquid&apos;s weight). Off: the lid stays where it is.</source>
        <translation>Den Deckel selbsttätig so bewegen, dass der Druck auf ihn diesen Wert behält: langsam, nach jeder Ablesung seines Druckmessers (der Deckel spürt das Gas oder den Dampf über einer Flüssigkeit, nicht das Gewicht der Flüssigkeit). Aus: Der Deckel bleibt, wo er ist.</translation>
    </message>
    <message>
        <source>Pressure to hold</source>
        <translation>Zu haltender Druck</translation>
    </message>
    <message>
        <source>The pressure on the lid to hold, in %1</source>
        <translation>Der auf dem Deckel zu haltende Druck, in %1</translation>
    </message>
    <message>
        <source>Pressure to hold in %1</source>
        <translation>Zu haltender Druck in %1</translation>
    </message>
    <message>
        <source>Lid at the file&apos;s box (100 %)</source>
        <translation>Deckel bei der Behältergröße der Datei (100 %)</translation>
    </message>
    <message>
        <source>Lid at %1 %</source>
        <translation>Deckel bei %1 %</translation>
    </message>
    <message>
        <source>Lid at %1 %: waiting</source>
        <translation>Deckel bei %1 %: wartet</translation>
    </message>
    <message>
        <source>Lid at %1 %, moving to %2 %</source>
        <translation>Deckel bei %1 %, bewegt sich auf %2 %</translation>
    </message>
    <message>
        <source>%1; on the lid %2</source>
        <comment>where the lid stands; the pressure on it</comment>
        <translation>%1; auf dem Deckel %2</translation>
    </message>
    <message>
        <source>The height of the box, in per cent of the scenario file&apos;s box: the lid (the top of the box) moves down to compress the atoms and back up to let them expand, from 100 % down to %1 %. It moves slowly, at a pace at which the soft wall pushes the atoms ahead of it, and never pushes an atom deep into its wall.</source>
        <translation>Die Höhe des Behälters in Prozent des Behälters aus der Szenariodatei: Der Deckel (die Oberseite des Behälters) bewegt sich nach unten, um die Atome zusammenzudrücken, und wieder nach oben, damit sie sich ausdehnen können, von 100 % bis hinunter zu %1 %. Er bewegt sich langsam, in einem Tempo, bei dem die weiche Wand die Atome vor sich herschiebt, und drückt nie ein Atom tief in seine Wand.</translation>
    </message>
</context>
<context>
    <name>lab::units</name>
    <message>
        <source>model units</source>
        <translation>Modelleinheiten</translation>
    </message>
    <message>
        <source>%1 (%2 %3)</source>
        <comment>steps (time simulated)</comment>
        <translation>%1 (%2 %3)</translation>
    </message>
</context>
<context>
    <name>lesson</name>
    <message>
        <source>Toward absolute zero</source>
        <translation>Dem absoluten Nullpunkt entgegen</translation>
    </message>
    <message>
        <source>Cool water down toward 0 K and watch what happens to the motion of its particles.</source>
        <translation>Wasser in Richtung 0 K abkühlen und beobachten, was mit der Bewegung seiner Teilchen geschieht.</translation>
    </message>
    <message>
        <source>Water at room temperature</source>
        <translation>Wasser bei Raumtemperatur</translation>
    </message>
    <message>
        <source>Here is water at room temperature, 296 K. Its particles slide past each other.</source>
        <translation>Hier ist Wasser bei Raumtemperatur, 296 K. Seine Teilchen gleiten aneinander vorbei.</translation>
    </message>
    <message>
        <source>Let the water run for a few seconds, then measure again.</source>
        <translation>Die Simulation des Wassers einige Sekunden laufen lassen, dann erneut messen.</translation>
    </message>
    <message>
        <source>Very cold</source>
        <translation>Sehr kalt</translation>
    </message>
    <message>
        <source>The thermostat now cools the water to 100 K (−173 °C). Watch the temperature graph in the Lab fall.</source>
        <translation>Der Thermostat kühlt das Wasser jetzt auf 100 K (−173 °C) ab. Im Labor verfolgen, wie die Kurve im Temperaturdiagramm sinkt.</translation>
    </message>
    <message>
        <source>Wait until the temperature graph has levelled out at 100 K, then measure again.</source>
        <translation>Warten, bis sich die Kurve im Temperaturdiagramm bei 100 K eingependelt hat, dann erneut messen.</translation>
    </message>
    <message>
        <source>They slide past each other faster</source>
        <translation>Sie gleiten schneller aneinander vorbei</translation>
    </message>
    <message>
        <source>They hardly move from their places</source>
        <translation>Sie bewegen sich kaum von ihren Plätzen</translation>
    </message>
    <message>
        <source>They fly apart</source>
        <translation>Sie fliegen auseinander</translation>
    </message>
    <message>
        <source>How do the particles move now?</source>
        <translation>Wie bewegen sich die Teilchen jetzt?</translation>
    </message>
    <message>
        <source>Look at the share of moving particles you measured.</source>
        <translation>Den gemessenen Anteil der umherwandernden Teilchen ansehen.</translation>
    </message>
    <message>
        <source>Almost absolute zero</source>
        <translation>Fast am absoluten Nullpunkt</translation>
    </message>
    <message>
        <source>Now the thermostat goes down to 1 K, almost as cold as anything can be.</source>
        <translation>Jetzt geht der Thermostat auf 1 K herunter – fast so kalt, wie es überhaupt nur geht.</translation>
    </message>
    <message>
        <source>Wait until the temperature graph has levelled out near 0 K, then measure again.</source>
        <translation>Warten, bis sich die Kurve im Temperaturdiagramm nahe 0 K eingependelt hat, dann erneut messen.</translation>
    </message>
    <message>
        <source>The particles almost stop</source>
        <translation>Die Teilchen kommen fast zum Stillstand</translation>
    </message>
    <message>
        <source>The particles keep moving as fast as before</source>
        <translation>Die Teilchen bewegen sich so schnell wie vorher</translation>
    </message>
    <message>
        <source>The particles turn into a gas</source>
        <translation>Die Teilchen werden zu einem Gas</translation>
    </message>
    <message>
        <source>What happens to the particles as the temperature comes close to 0 K?</source>
        <translation>Was geschieht mit den Teilchen, wenn sich die Temperatur 0 K nähert?</translation>
    </message>
    <message>
        <source>Temperature measures how fast the particles move.</source>
        <translation>Die Temperatur ist ein Maß dafür, wie schnell sich die Teilchen bewegen.</translation>
    </message>
    <message>
        <source>Below zero?</source>
        <translation>Unter null?</translation>
    </message>
    <message>
        <source>Try to move the Lab&apos;s thermostat below 0 K.</source>
        <translation>Versuchen, den Thermostat im Labor unter 0 K zu stellen.</translation>
    </message>
    <message>
        <source>Yes, the thermostat goes below 0 K</source>
        <translation>Ja, der Thermostat geht unter 0 K</translation>
    </message>
    <message>
        <source>No, 0 K is the lowest there is</source>
        <translation>Nein, 0 K ist die tiefste mögliche Temperatur</translation>
    </message>
    <message>
        <source>Can anything be colder than 0 K?</source>
        <translation>Kann etwas kälter sein als 0 K?</translation>
    </message>
    <message>
        <source>At 0 K the particles would not move at all: can they move less than that?</source>
        <translation>Bei 0 K würden sich die Teilchen überhaupt nicht mehr bewegen: Können sie sich noch weniger bewegen?</translation>
    </message>
    <message>
        <source>The boiling range</source>
        <translation>Der Siedebereich</translation>
    </message>
    <message>
        <source>Heat water in a closed box and follow how much of it turns to vapour.</source>
        <translation>Wasser in einem geschlossenen Behälter erhitzen und verfolgen, wie viel davon zu Dampf wird.</translation>
    </message>
    <message>
        <source>Here is water at room temperature (296 K, 23 °C) in a closed box. Gravity holds the liquid at the bottom.</source>
        <translation>Hier ist Wasser bei Raumtemperatur (296 K, 23 °C) in einem geschlossenen Behälter. Die Schwerkraft hält die Flüssigkeit am Boden.</translation>
    </message>
    <message>
        <source>Even now a few molecules have escaped from the liquid: they fly about above it as vapour.</source>
        <translation>Schon jetzt sind einige Moleküle aus der Flüssigkeit entwichen: Sie fliegen als Dampf darüber umher.</translation>
    </message>
    <message>
        <source>Let the water settle for a few seconds at 296 K, then measure again.</source>
        <translation>Die Simulation einige Sekunden bei 296 K laufen lassen, bis sich das Wasser eingependelt hat, dann erneut messen.</translation>
    </message>
    <message>
        <source>At 100 °C</source>
        <translation>Bei 100 °C</translation>
    </message>
    <message>
        <source>Real water boils at 373 K (100 °C) under the air&apos;s pressure. The thermostat now holds the water there.</source>
        <translation>Echtes Wasser siedet bei normalem Luftdruck bei 373 K (100 °C). Der Thermostat hält das Wasser jetzt auf dieser Temperatur.</translation>
    </message>
    <message>
        <source>Wait until the temperature in the Lab has settled at 373 K for a few seconds, then measure.</source>
        <translation>Warten, bis die Temperatur im Labor seit einigen Sekunden stabil bei 373 K liegt, dann messen.</translation>
    </message>
    <message>
        <source>Give the water a few seconds at 373 K before you measure: evaporation takes time.</source>
        <translation>Dem Wasser vor dem Messen einige Sekunden bei 373 K Zeit lassen: Verdampfen braucht Zeit.</translation>
    </message>
    <message>
        <source>Most of it is still liquid</source>
        <translation>Das meiste ist noch flüssig</translation>
    </message>
    <message>
        <source>Half of it is vapour</source>
        <translation>Die Hälfte ist Dampf</translation>
    </message>
    <message>
        <source>All of it is vapour</source>
        <translation>Alles ist Dampf</translation>
    </message>
    <message>
        <source>How much of the water has turned to vapour at 373 K?</source>
        <translation>Wie viel des Wassers ist bei 373 K zu Dampf geworden?</translation>
    </message>
    <message>
        <source>Compare the share of vapour you measured with 50 %.</source>
        <translation>Den gemessenen Dampfanteil mit 50 % vergleichen.</translation>
    </message>
    <message>
        <source>Hotter</source>
        <translation>Heißer</translation>
    </message>
    <message>
        <source>The thermostat now holds the water at 450 K.</source>
        <translation>Der Thermostat hält das Wasser jetzt auf 450 K.</translation>
    </message>
    <message>
        <source>Give the water a few seconds at 450 K before you measure.</source>
        <translation>Dem Wasser vor dem Messen einige Sekunden bei 450 K Zeit lassen.</translation>
    </message>
    <message>
        <source>Hotter still</source>
        <translation>Noch heißer</translation>
    </message>
    <message>
        <source>And now at 650 K.</source>
        <translation>Und jetzt bei 650 K.</translation>
    </message>
    <message>
        <source>Give the water a few seconds at 650 K before you measure.</source>
        <translation>Dem Wasser vor dem Messen einige Sekunden bei 650 K Zeit lassen.</translation>
    </message>
    <message>
        <source>Between 296 K and 373 K</source>
        <translation>Zwischen 296 K und 373 K</translation>
    </message>
    <message>
        <source>Between 450 K and 650 K</source>
        <translation>Zwischen 450 K und 650 K</translation>
    </message>
    <message>
        <source>Above 650 K</source>
        <translation>Über 650 K</translation>
    </message>
    <message>
        <source>Between which of the temperatures did the water go from mostly liquid to mostly vapour?</source>
        <translation>Zwischen welchen Temperaturen ist aus überwiegend flüssigem Wasser überwiegend Dampf geworden?</translation>
    </message>
    <message>
        <source>Look at the four shares you measured: where does the share of vapour pass 50 %?</source>
        <translation>Die vier gemessenen Anteile ansehen: Wo überschreitet der Dampfanteil 50 %?</translation>
    </message>
    <message>
        <source>A range, not a point</source>
        <translation>Ein Bereich, kein Punkt</translation>
    </message>
    <message>
        <source>In a closed box the water does not boil all at once: the hotter it is, the more of it is vapour, until none is left.</source>
        <translation>In einem geschlossenen Behälter siedet das Wasser nicht auf einmal: Je heißer es ist, desto mehr davon ist Dampf, bis keine Flüssigkeit mehr übrig ist.</translation>
    </message>
    <message>
        <source>Why does real water in a pan boil at one temperature, while the water in the box turned to vapour over a range?</source>
        <translation>Warum siedet echtes Wasser in einem Topf bei einer bestimmten Temperatur, während das Wasser im Behälter über einen Temperaturbereich hinweg zu Dampf wurde?</translation>
    </message>
    <message>
        <source>Pressure and volume (Boyle&apos;s law)</source>
        <translation>Druck und Volumen (Gesetz von Boyle-Mariotte)</translation>
    </message>
    <message>
        <source>Squeeze air with the lid of the box and see how its pressure changes with its volume.</source>
        <translation>Luft mit dem Deckel des Behälters zusammendrücken und beobachten, wie sich ihr Druck mit ihrem Volumen ändert.</translation>
    </message>
    <message>
        <source>Air in a box</source>
        <translation>Luft in einem Behälter</translation>
    </message>
    <message>
        <source>Here is air (nitrogen) at room temperature in a closed box. Its molecules fly about and bounce off the walls. Every bounce pushes the wall: together the pushes are the pressure of the gas.</source>
        <translation>Hier ist Luft (Stickstoff) bei Raumtemperatur in einem geschlossenen Behälter. Ihre Moleküle fliegen umher und prallen von den Wänden ab. Jeder Aufprall drückt gegen die Wand: Zusammen ergeben diese Stöße den Druck des Gases.</translation>
    </message>
    <message>
        <source>The walls are soft: each pushes a molecule back only within a thin skin. The volume of the gas is the room inside the skins, where the molecules fly freely.</source>
        <translation>Die Wände sind weich: Jede stößt ein Molekül nur innerhalb einer dünnen Randschicht zurück. Das Volumen des Gases ist der Raum innerhalb dieser Randschichten, in dem die Moleküle frei fliegen.</translation>
    </message>
    <message>
        <source>What is the pressure of the gas? Read it in the Lab (Wall pressure, in kPa).</source>
        <translation>Wie groß ist der Druck des Gases? Im Labor ablesen („Wanddruck“, in kPa).</translation>
    </message>
    <message>
        <source>The Lab&apos;s readouts show the wall pressure; choose kPa as the pressure unit.</source>
        <translation>Die Messwerte im Labor zeigen den Wanddruck; als Druckeinheit kPa wählen.</translation>
    </message>
    <message>
        <source>Its volume</source>
        <translation>Sein Volumen</translation>
    </message>
    <message>
        <source>The program measures the room inside the walls.</source>
        <translation>Das Programm misst den Raum innerhalb der Wände.</translation>
    </message>
    <message>
        <source>Half the volume</source>
        <translation>Das halbe Volumen</translation>
    </message>
    <message>
        <source>The lid (the top of the box) now moves down until the gas has half the room it had. It moves slowly, so that the molecules are pushed ahead of it.</source>
        <translation>Der Deckel (die Oberseite des Behälters) bewegt sich jetzt nach unten, bis das Gas nur noch halb so viel Raum hat wie vorher. Er bewegt sich langsam, sodass er die Moleküle vor sich herschiebt.</translation>
    </message>
    <message>
        <source>Wait until the lid has stopped and the pressure graph has levelled out, then measure.</source>
        <translation>Warten, bis der Deckel stillsteht und sich die Kurve im Wanddruckdiagramm eingependelt hat, dann messen.</translation>
    </message>
    <message>
        <source>Wait until the lid has stopped and the pressure graph runs level, then measure again.</source>
        <translation>Warten, bis der Deckel stillsteht und die Kurve im Wanddruckdiagramm waagerecht verläuft, dann erneut messen.</translation>
    </message>
    <message>
        <source>It about doubled</source>
        <translation>Er hat sich etwa verdoppelt</translation>
    </message>
    <message>
        <source>It about halved</source>
        <translation>Er hat sich etwa halbiert</translation>
    </message>
    <message>
        <source>It stayed the same</source>
        <translation>Er ist gleich geblieben</translation>
    </message>
    <message>
        <source>When the volume halved, what happened to the pressure?</source>
        <translation>Was ist mit dem Druck geschehen, als sich das Volumen halbiert hat?</translation>
    </message>
    <message>
        <source>Compare the pressure you measured now with the one in step 1.</source>
        <translation>Den jetzt gemessenen Druck mit dem aus Schritt 1 vergleichen.</translation>
    </message>
    <message>
        <source>The volume now</source>
        <translation>Das jetzige Volumen</translation>
    </message>
    <message>
        <source>Wait until the lid has stopped, then measure again.</source>
        <translation>Warten, bis der Deckel stillsteht, dann erneut messen.</translation>
    </message>
    <message>
        <source>A third of the volume</source>
        <translation>Ein Drittel des Volumens</translation>
    </message>
    <message>
        <source>The lid moves down further, until the gas has a third of the room it had at first.</source>
        <translation>Der Deckel bewegt sich weiter nach unten, bis das Gas nur noch ein Drittel des anfänglichen Raums hat.</translation>
    </message>
    <message>
        <source>About three times the first pressure</source>
        <translation>Etwa das Dreifache des ersten Drucks</translation>
    </message>
    <message>
        <source>About a third of the first pressure</source>
        <translation>Etwa ein Drittel des ersten Drucks</translation>
    </message>
    <message>
        <source>The same as the first pressure</source>
        <translation>Genauso groß wie der erste Druck</translation>
    </message>
    <message>
        <source>What is the pressure now, compared with the first one?</source>
        <translation>Wie groß ist der Druck jetzt im Vergleich zum ersten?</translation>
    </message>
    <message>
        <source>Divide the pressure you measured now by the one in step 1.</source>
        <translation>Den jetzt gemessenen Druck durch den aus Schritt 1 teilen.</translation>
    </message>
    <message>
        <source>Boyle&apos;s law</source>
        <translation>Das Gesetz von Boyle-Mariotte</translation>
    </message>
    <message>
        <source>Robert Boyle found in 1662 that, at a fixed temperature, the pressure of a gas times its volume stays the same: halve the volume and the pressure doubles.</source>
        <translation>Robert Boyle fand 1662 heraus, dass bei gleichbleibender Temperatur das Produkt aus Druck und Volumen eines Gases gleich bleibt: Halbiert man das Volumen, verdoppelt sich der Druck.</translation>
    </message>
    <message>
        <source>Explain with the molecules why a gas in half the volume presses twice as hard on its walls.</source>
        <translation>Mithilfe der Moleküle erklären, warum ein Gas im halben Volumen doppelt so stark auf seine Wände drückt.</translation>
    </message>
    <message>
        <source>Evaporation and evaporative cooling</source>
        <translation>Verdunstung und Verdunstungskälte</translation>
    </message>
    <message>
        <source>Watch molecules escape from water, and see the water cool when nothing warms it.</source>
        <translation>Beobachten, wie Moleküle aus dem Wasser entweichen, und sehen, wie das Wasser abkühlt, wenn nichts es wärmt.</translation>
    </message>
    <message>
        <source>Water in a small box</source>
        <translation>Wasser in einem kleinen Behälter</translation>
    </message>
    <message>
        <source>Here is hot water, at 400 K (127 °C), in a closed box. The lid is down, so the water has little room above it. A few molecules escape from the liquid and fly about as vapour; as many fall back.</source>
        <translation>Hier ist heißes Wasser mit 400 K (127 °C) in einem geschlossenen Behälter. Der Deckel ist unten, daher hat das Wasser über sich wenig Raum. Einige Moleküle entweichen aus der Flüssigkeit und fliegen als Dampf umher; ebenso viele fallen zurück.</translation>
    </message>
    <message>
        <source>Wait until the lid has stopped and the water has settled, then measure again.</source>
        <translation>Warten, bis der Deckel stillsteht und sich das Wasser eingependelt hat, dann erneut messen.</translation>
    </message>
    <message>
        <source>No more heat</source>
        <translation>Keine Wärmezufuhr mehr</translation>
    </message>
    <message>
        <source>Now the thermostat is switched off: nothing heats or cools the water any more, its energy stays as it is.</source>
        <translation>Jetzt ist der Thermostat ausgeschaltet: Nichts heizt oder kühlt das Wasser mehr, seine Energie bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>The lid goes back up, so the vapour gets more room. Watch the water.</source>
        <translation>Der Deckel fährt wieder nach oben, sodass der Dampf mehr Raum bekommt. Das Wasser beobachten.</translation>
    </message>
    <message>
        <source>Wait until the lid is back at the top and a few more seconds have passed, then measure.</source>
        <translation>Warten, bis der Deckel wieder oben ist und noch einige Sekunden vergangen sind, dann messen.</translation>
    </message>
    <message>
        <source>More molecules escape and stay in the vapour</source>
        <translation>Mehr Moleküle entweichen und bleiben im Dampf</translation>
    </message>
    <message>
        <source>The molecules stop escaping</source>
        <translation>Die Moleküle entweichen nicht mehr</translation>
    </message>
    <message>
        <source>All the water turns to vapour</source>
        <translation>Das ganze Wasser wird zu Dampf</translation>
    </message>
    <message>
        <source>What happens when the vapour gets more room?</source>
        <translation>Was geschieht, wenn der Dampf mehr Raum bekommt?</translation>
    </message>
    <message>
        <source>Compare the share of vapour now with the one in step 1.</source>
        <translation>Den jetzigen Dampfanteil mit dem aus Schritt 1 vergleichen.</translation>
    </message>
    <message>
        <source>Colder</source>
        <translation>Kälter</translation>
    </message>
    <message>
        <source>Look at the temperature graph in the Lab: the water started at 400 K.</source>
        <translation>Im Labor das Temperaturdiagramm ansehen: Das Wasser hatte anfangs 400 K.</translation>
    </message>
    <message>
        <source>Wait until the lid is back at the top and the temperature graph has levelled out.</source>
        <translation>Warten, bis der Deckel wieder oben ist und sich die Kurve im Temperaturdiagramm eingependelt hat.</translation>
    </message>
    <message>
        <source>The fastest molecules escape and take their energy with them</source>
        <translation>Die schnellsten Moleküle entweichen und nehmen ihre Energie mit</translation>
    </message>
    <message>
        <source>Heat flows out through the walls</source>
        <translation>Wärme fließt durch die Wände ab</translation>
    </message>
    <message>
        <source>The lid cools the water</source>
        <translation>Der Deckel kühlt das Wasser</translation>
    </message>
    <message>
        <source>Nothing cooled the water from outside, yet it got colder. Why?</source>
        <translation>Nichts hat das Wasser von außen gekühlt, und doch ist es kälter geworden. Warum?</translation>
    </message>
    <message>
        <source>Only a molecule moving fast enough can pull free of its neighbours.</source>
        <translation>Nur ein Molekül, das sich schnell genug bewegt, kann sich von seinen Nachbarn losreißen.</translation>
    </message>
    <message>
        <source>Sweat</source>
        <translation>Schweiß</translation>
    </message>
    <message>
        <source>Your skin cools when sweat evaporates from it.</source>
        <translation>Die Haut kühlt ab, wenn Schweiß auf ihr verdunstet.</translation>
    </message>
    <message>
        <source>Explain why sweating cools you down, using what you saw.</source>
        <translation>Mithilfe der Beobachtungen erklären, warum Schwitzen den Körper abkühlt.</translation>
    </message>
    <message>
        <source>The heating curve and latent heat</source>
        <translation>Die Heizkurve und die latente Wärme</translation>
    </message>
    <message>
        <source>Plot the heating curve of quartz and measure the energy it takes to melt it.</source>
        <translation>Die Heizkurve von Quarz aufzeichnen und die Energie messen, die zum Schmelzen nötig ist.</translation>
    </message>
    <message>
        <source>The heating curve</source>
        <translation>Die Heizkurve</translation>
    </message>
    <message>
        <source>The thermostat heats quartz steadily from 1,500 K to 2,500 K. The Lab plots the heating curve: the measured temperature against the total energy per particle.</source>
        <translation>Der Thermostat heizt Quarz gleichmäßig von 1.500 K auf 2.500 K. Das Labor zeichnet die Heizkurve: die gemessene Temperatur gegen die Gesamtenergie pro Teilchen.</translation>
    </message>
    <message>
        <source>Wait until the ramp has reached 2,500 K, then look at the curve.</source>
        <translation>Warten, bis die Rampe 2.500 K erreicht hat, dann die Kurve ansehen.</translation>
    </message>
    <message>
        <source>The ramp must run to the end. Press Set up again to heat the quartz again from 1,500 K.</source>
        <translation>Die Rampe muss bis zum Ende laufen. „Neu einrichten“ drücken, um den Quarz erneut ab 1.500 K zu erhitzen.</translation>
    </message>
    <message>
        <source>The temperature hardly rises while the energy grows</source>
        <translation>Die Temperatur steigt kaum, während die Energie zunimmt</translation>
    </message>
    <message>
        <source>The temperature rises fastest</source>
        <translation>Die Temperatur steigt am schnellsten</translation>
    </message>
    <message>
        <source>The energy stays the same</source>
        <translation>Die Energie bleibt gleich</translation>
    </message>
    <message>
        <source>What happens on the flat part of the curve?</source>
        <translation>Was geschieht auf dem flachen Teil der Kurve?</translation>
    </message>
    <message>
        <source>Along the flat part, read the temperature at its two ends, and the energy.</source>
        <translation>Auf dem flachen Teil die Temperatur an seinen beiden Enden ablesen, ebenso die Energie.</translation>
    </message>
    <message>
        <source>Latent heat</source>
        <translation>Latente Wärme</translation>
    </message>
    <message>
        <source>On the plateau, the energy the thermostat gives goes into breaking the crystal apart, not into making the particles faster. This hidden energy is the latent heat of melting.</source>
        <translation>Auf dem Plateau dient die Energie, die der Thermostat zuführt, dazu, den Kristall aufzubrechen, nicht dazu, die Teilchen schneller zu machen. Diese verborgene Energie ist die latente Wärme des Schmelzens, die Schmelzwärme.</translation>
    </message>
    <message>
        <source>The plateau must lie on the curve: let the ramp run to 2,500 K.</source>
        <translation>Das Plateau muss auf der Kurve liegen: die Rampe bis 2.500 K laufen lassen.</translation>
    </message>
    <message>
        <source>How much energy did the quartz take up along the plateau, per mole? Read the energy at both ends of the flat part.</source>
        <translation>Wie viel Energie pro Mol hat der Quarz während des Plateaus aufgenommen? Die Energie an beiden Enden des flachen Teils ablesen.</translation>
    </message>
    <message>
        <source>Read the total energy where the curve starts to run flat and where it climbs again, and subtract.</source>
        <translation>Die Gesamtenergie dort ablesen, wo die Kurve flach zu werden beginnt und wo sie wieder ansteigt, und die Werte voneinander abziehen.</translation>
    </message>
    <message>
        <source>Why it matters</source>
        <translation>Warum das wichtig ist</translation>
    </message>
    <message>
        <source>Ice in a drink stays at 0 °C until it has all melted, however warm the room: the heat goes into melting it.</source>
        <translation>Eis in einem Getränk bleibt bei 0 °C, bis es ganz geschmolzen ist, egal wie warm der Raum ist: Die Wärme wird zum Schmelzen verbraucht.</translation>
    </message>
    <message>
        <source>Use the heating curve to explain why a drink with ice stays cold until the ice is gone.</source>
        <translation>Mithilfe der Heizkurve erklären, warum ein Getränk mit Eis kalt bleibt, bis das Eis ganz geschmolzen ist.</translation>
    </message>
    <message>
        <source>The melting point</source>
        <translation>Der Schmelzpunkt</translation>
    </message>
    <message>
        <source>Heat quartz slowly, find the temperature where it melts, and compare it with the real one.</source>
        <translation>Quarz langsam erhitzen, die Temperatur finden, bei der er schmilzt, und sie mit dem echten Schmelzpunkt vergleichen.</translation>
    </message>
    <message>
        <source>Solid quartz</source>
        <translation>Fester Quarz</translation>
    </message>
    <message>
        <source>Sand is quartz. Here is a small crystal of it at room temperature: its atoms shake about fixed places.</source>
        <translation>Sand ist Quarz. Hier ist ein kleiner Kristall davon bei Raumtemperatur: Seine Atome schwingen um feste Plätze.</translation>
    </message>
    <message>
        <source>Quartz melts far hotter than anything in a kitchen. You will heat it with the Lab&apos;s thermostat until it melts.</source>
        <translation>Quarz schmilzt erst bei weit höheren Temperaturen, als sie in einer Küche vorkommen. Er wird mit dem Thermostat des Labors erhitzt, bis er schmilzt.</translation>
    </message>
    <message>
        <source>Let the crystal run for a few seconds at room temperature, then measure again.</source>
        <translation>Die Simulation des Kristalls einige Sekunden bei Raumtemperatur laufen lassen, dann erneut messen.</translation>
    </message>
    <message>
        <source>Heat it slowly</source>
        <translation>Langsam erhitzen</translation>
    </message>
    <message>
        <source>The thermostat now heats the quartz steadily from 1,500 K to 2,500 K. The Lab draws the heating curve: the temperature of the atoms against the energy they were given.</source>
        <translation>Der Thermostat heizt den Quarz jetzt gleichmäßig von 1.500 K auf 2.500 K. Das Labor zeichnet die Heizkurve: die Temperatur der Atome gegen die ihnen zugeführte Energie.</translation>
    </message>
    <message>
        <source>While the crystal warms, the curve climbs steadily. Where it melts, the energy goes into breaking the crystal apart instead of making the atoms faster: the curve runs flat for a while. That flat stretch is the melting plateau.</source>
        <translation>Während sich der Kristall erwärmt, steigt die Kurve gleichmäßig an. Wo er schmilzt, dient die Energie dazu, den Kristall aufzubrechen, statt die Atome schneller zu machen: Die Kurve verläuft eine Weile flach. Dieser flache Abschnitt ist das Schmelzplateau.</translation>
    </message>
    <message>
        <source>Wait until the ramp has reached 2,500 K (the thermostat in the Lab shows it), then press Measure.</source>
        <translation>Warten, bis die Rampe 2.500 K erreicht hat (der Thermostat im Labor zeigt es an), dann „Messen“ drücken.</translation>
    </message>
    <message>
        <source>The ramp must run to the end without a pause. Press Set up again to heat the quartz again from 1,500 K.</source>
        <translation>Die Rampe muss ohne Pause bis zum Ende laufen. „Neu einrichten“ drücken, um den Quarz erneut ab 1.500 K zu erhitzen.</translation>
    </message>
    <message>
        <source>Read the temperature of the flat stretch off the heating curve. At what temperature does the quartz melt?</source>
        <translation>Die Temperatur des flachen Abschnitts an der Heizkurve ablesen. Bei welcher Temperatur schmilzt der Quarz?</translation>
    </message>
    <message>
        <source>Find where the curve runs nearly level: read its temperature off the axis on the left (in kelvin).</source>
        <translation>Die Stelle suchen, an der die Kurve fast waagerecht verläuft, und ihre Temperatur an der linken Achse ablesen (in Kelvin).</translation>
    </message>
    <message>
        <source>Liquid quartz</source>
        <translation>Flüssiger Quarz</translation>
    </message>
    <message>
        <source>The crystal has melted: its atoms now slide past each other.</source>
        <translation>Der Kristall ist geschmolzen: Seine Atome gleiten jetzt aneinander vorbei.</translation>
    </message>
    <message>
        <source>Real quartz melts at 1,986 K (1,713 °C). The model&apos;s atoms attract each other with a strength chosen so that the model melts near the real melting point.</source>
        <translation>Echter Quarz schmilzt bei 1.986 K (1.713 °C). Die Atome des Modells ziehen sich mit einer Stärke an, die so gewählt ist, dass das Modell nahe dem echten Schmelzpunkt schmilzt.</translation>
    </message>
    <message>
        <source>Did the ramp reach 2,500 K? If not, press Set up again on the step before.</source>
        <translation>Hat die Rampe 2.500 K erreicht? Falls nicht, im vorigen Schritt „Neu einrichten“ drücken.</translation>
    </message>
    <message>
        <source>Within 5 % of it</source>
        <translation>Bis auf 5 % gleich</translation>
    </message>
    <message>
        <source>About twice as hot</source>
        <translation>Etwa doppelt so heiß</translation>
    </message>
    <message>
        <source>About half as hot</source>
        <translation>Etwa halb so heiß</translation>
    </message>
    <message>
        <source>How does the melting point you measured compare with the real one, 1,986 K?</source>
        <translation>Wie verhält sich der gemessene Schmelzpunkt zum echten Wert von 1.986 K?</translation>
    </message>
    <message>
        <source>Divide your measured melting point by 1,986 K.</source>
        <translation>Den gemessenen Schmelzpunkt durch 1.986 K teilen.</translation>
    </message>
    <message>
        <source>The phase diagram</source>
        <translation>Das Phasendiagramm</translation>
    </message>
    <message>
        <source>Cool and squeeze air and follow its state on the phase diagram of nitrogen.</source>
        <translation>Luft abkühlen und zusammendrücken und ihren Zustand im Phasendiagramm von Stickstoff verfolgen.</translation>
    </message>
    <message>
        <source>Air at room temperature</source>
        <translation>Luft bei Raumtemperatur</translation>
    </message>
    <message>
        <source>The Lab&apos;s phase diagram shows, for every temperature and pressure, whether nitrogen is a solid, a liquid or a gas. The dot marks the air in the box now.</source>
        <translation>Das Phasendiagramm im Labor zeigt für jede Temperatur und jeden Druck, ob Stickstoff fest, flüssig oder gasförmig ist. Der Punkt markiert die Luft, die gerade im Behälter ist.</translation>
    </message>
    <message>
        <source>Let the air run for a few seconds, then measure again.</source>
        <translation>Die Simulation der Luft einige Sekunden laufen lassen, dann erneut messen.</translation>
    </message>
    <message>
        <source>In the gas region</source>
        <translation>Im Gasbereich</translation>
    </message>
    <message>
        <source>In the liquid region</source>
        <translation>Im Flüssigkeitsbereich</translation>
    </message>
    <message>
        <source>In the solid region</source>
        <translation>Im Festkörperbereich</translation>
    </message>
    <message>
        <source>Where does the dot lie on the phase diagram?</source>
        <translation>Wo liegt der Punkt im Phasendiagramm?</translation>
    </message>
    <message>
        <source>Read the name of the region around the dot.</source>
        <translation>Den Namen des Bereichs um den Punkt ablesen.</translation>
    </message>
    <message>
        <source>Cold and squeezed</source>
        <translation>Kalt und zusammengedrückt</translation>
    </message>
    <message>
        <source>The thermostat now cools the air to 77 K (−196 °C), and the lid squeezes it into 60 % of the box. Watch the dot move on the diagram, and watch the molecules in the box.</source>
        <translation>Der Thermostat kühlt die Luft jetzt auf 77 K (−196 °C) ab, und der Deckel drückt sie auf 60 % des Behälters zusammen. Verfolgen, wie der Punkt im Diagramm wandert, und die Moleküle im Behälter beobachten.</translation>
    </message>
    <message>
        <source>Wait until the lid has stopped and drops have formed, then measure.</source>
        <translation>Warten, bis der Deckel stillsteht und sich Tropfen gebildet haben, dann messen.</translation>
    </message>
    <message>
        <source>Wait a little longer: the molecules need time to find each other and form a liquid.</source>
        <translation>Noch etwas länger warten: Die Moleküle brauchen Zeit, um zueinanderzufinden und eine Flüssigkeit zu bilden.</translation>
    </message>
    <message>
        <source>Near the line between liquid and gas</source>
        <translation>Nahe der Linie zwischen Flüssigkeit und Gas</translation>
    </message>
    <message>
        <source>Deep in the gas region</source>
        <translation>Tief im Gasbereich</translation>
    </message>
    <message>
        <source>Where is the dot now?</source>
        <translation>Wo liegt der Punkt jetzt?</translation>
    </message>
    <message>
        <source>Liquid and gas side by side: on which line of the diagram can both be at once?</source>
        <translation>Flüssigkeit und Gas nebeneinander: Auf welcher Linie des Diagramms kann beides gleichzeitig vorliegen?</translation>
    </message>
    <message>
        <source>Colder still</source>
        <translation>Noch kälter</translation>
    </message>
    <message>
        <source>The thermostat now cools the nitrogen to 40 K, below its melting point (63 K).</source>
        <translation>Der Thermostat kühlt den Stickstoff jetzt auf 40 K ab, unter seinen Schmelzpunkt (63 K).</translation>
    </message>
    <message>
        <source>Wait until the temperature has settled at 40 K, then measure again.</source>
        <translation>Warten, bis sich die Temperatur bei 40 K eingependelt hat, dann erneut messen.</translation>
    </message>
    <message>
        <source>It froze: the molecules stay in their places</source>
        <translation>Er ist erstarrt: Die Moleküle bleiben an ihren Plätzen</translation>
    </message>
    <message>
        <source>It boiled away</source>
        <translation>Er ist verdampft</translation>
    </message>
    <message>
        <source>Nothing changed</source>
        <translation>Nichts hat sich verändert</translation>
    </message>
    <message>
        <source>What happened to the liquid nitrogen?</source>
        <translation>Was ist mit dem flüssigen Stickstoff geschehen?</translation>
    </message>
    <message>
        <source>Compare the share of moving molecules with what a liquid has.</source>
        <translation>Den Anteil der umherwandernden Moleküle mit dem einer Flüssigkeit vergleichen.</translation>
    </message>
    <message>
        <source>Reading the diagram</source>
        <translation>Das Diagramm lesen</translation>
    </message>
    <message>
        <source>Use the phase diagram to explain how you can turn a gas into a liquid without cooling it.</source>
        <translation>Mithilfe des Phasendiagramms erklären, wie man ein Gas verflüssigen kann, ohne es abzukühlen.</translation>
    </message>
    <message>
        <source>The three states</source>
        <translation>Die drei Aggregatzustände</translation>
    </message>
    <message>
        <source>Visit a solid, a liquid and a gas, and describe how their particles move.</source>
        <translation>Einen Festkörper, eine Flüssigkeit und ein Gas ansehen und beschreiben, wie sich ihre Teilchen bewegen.</translation>
    </message>
    <message>
        <source>A solid: quartz</source>
        <translation>Ein Festkörper: Quarz</translation>
    </message>
    <message>
        <source>Sand is made of quartz. Here are a few hundred of its atoms at room temperature (23 °C), in a box seen in perspective.</source>
        <translation>Sand besteht aus Quarz. Hier sind einige hundert seiner Atome bei Raumtemperatur (23 °C) in einem perspektivisch dargestellten Behälter.</translation>
    </message>
    <message>
        <source>Watch the atoms for a while. Do they stay where they are, or do they wander about?</source>
        <translation>Die Atome eine Weile beobachten. Bleiben sie, wo sie sind, oder wandern sie umher?</translation>
    </message>
    <message>
        <source>They shake about fixed places</source>
        <translation>Sie schwingen um feste Plätze</translation>
    </message>
    <message>
        <source>They slide past each other</source>
        <translation>Sie gleiten aneinander vorbei</translation>
    </message>
    <message>
        <source>They fly about freely</source>
        <translation>Sie fliegen frei umher</translation>
    </message>
    <message>
        <source>How do the atoms of the solid move?</source>
        <translation>Wie bewegen sich die Atome des Festkörpers?</translation>
    </message>
    <message>
        <source>Look at one atom in the large view for a few seconds: does it ever leave its neighbours?</source>
        <translation>In der großen Ansicht ein Atom einige Sekunden lang beobachten: Verlässt es jemals seine Nachbarn?</translation>
    </message>
    <message>
        <source>The share of moving atoms is taken over the last 1,000 steps: let the simulation run, then press Measure again.</source>
        <translation>Der Anteil der umherwandernden Atome wird über die letzten 1.000 Schritte bestimmt: die Simulation laufen lassen, dann erneut „Messen“ drücken.</translation>
    </message>
    <message>
        <source>A liquid: water</source>
        <translation>Eine Flüssigkeit: Wasser</translation>
    </message>
    <message>
        <source>Now water at the same temperature. Its particles attract each other just as the quartz atoms do, but less strongly.</source>
        <translation>Jetzt Wasser bei derselben Temperatur. Seine Teilchen ziehen sich gegenseitig an wie die Quarzatome, aber weniger stark.</translation>
    </message>
    <message>
        <source>Watch how the particles move now.</source>
        <translation>Beobachten, wie sich die Teilchen jetzt bewegen.</translation>
    </message>
    <message>
        <source>How do the particles of the liquid move?</source>
        <translation>Wie bewegen sich die Teilchen der Flüssigkeit?</translation>
    </message>
    <message>
        <source>The particles stay close together, but do they keep the same neighbours?</source>
        <translation>Die Teilchen bleiben dicht beieinander, aber behalten sie dieselben Nachbarn?</translation>
    </message>
    <message>
        <source>Let the water run for a few seconds before you measure.</source>
        <translation>Die Simulation des Wassers vor dem Messen einige Sekunden laufen lassen.</translation>
    </message>
    <message>
        <source>A gas: nitrogen</source>
        <translation>Ein Gas: Stickstoff</translation>
    </message>
    <message>
        <source>Air is mostly nitrogen. Here it is at room temperature, in a box that is tiny but still mostly empty space.</source>
        <translation>Luft besteht größtenteils aus Stickstoff. Hier ist er bei Raumtemperatur, in einem winzigen Behälter, der trotzdem größtenteils leerer Raum ist.</translation>
    </message>
    <message>
        <source>How do the molecules of the gas move?</source>
        <translation>Wie bewegen sich die Moleküle des Gases?</translation>
    </message>
    <message>
        <source>Does a molecule of the gas have neighbours that it stays with?</source>
        <translation>Hat ein Gasmolekül Nachbarn, bei denen es bleibt?</translation>
    </message>
    <message>
        <source>Let the gas run for a few seconds before you measure.</source>
        <translation>Die Simulation des Gases vor dem Messen einige Sekunden laufen lassen.</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>You have seen all three states of matter, each at the same temperature.</source>
        <translation>Das waren alle drei Aggregatzustände, jeweils bei derselben Temperatur.</translation>
    </message>
    <message>
        <source>In one sentence: how far apart are the particles in a solid, a liquid and a gas?</source>
        <translation>In einem Satz: Wie weit sind die Teilchen in einem Festkörper, einer Flüssigkeit und einem Gas voneinander entfernt?</translation>
    </message>
    <message>
        <source>The energy of two atoms</source>
        <translation>Die Energie zweier Atome</translation>
    </message>
    <message>
        <source>Read the depth and the bond length off the energy of two water particles, and find the bond length again among the particles of the liquid.</source>
        <translation>Tiefe und Bindungslänge an der Energiekurve zweier Wasserteilchen ablesen und die Bindungslänge unter den Teilchen der Flüssigkeit wiederfinden.</translation>
    </message>
    <message>
        <source>The energy curve</source>
        <translation>Die Energiekurve</translation>
    </message>
    <message>
        <source>The Interactions window shows the energy of two water particles against their distance. Far apart they do not feel each other; closer, they attract, and the energy falls into a well; closer still, they push each other away.</source>
        <translation>Das Fenster „Wechselwirkungen“ zeigt die Energie zweier Wasserteilchen in Abhängigkeit von ihrem Abstand. Weit voneinander entfernt spüren sie einander nicht; näher beieinander ziehen sie sich an, und die Energie sinkt in eine Mulde; noch näher stoßen sie sich ab.</translation>
    </message>
    <message>
        <source>How deep is the well? Read it off the energy axis (in kJ/mol), as a positive number.</source>
        <translation>Wie tief ist die Mulde? An der Energieachse ablesen (in kJ/mol), als positive Zahl.</translation>
    </message>
    <message>
        <source>Find the lowest point of the curve and read its energy on the left axis; leave out the minus sign.</source>
        <translation>Den tiefsten Punkt der Kurve suchen und seine Energie an der linken Achse ablesen; das Minuszeichen weglassen.</translation>
    </message>
    <message>
        <source>The bond length</source>
        <translation>Die Bindungslänge</translation>
    </message>
    <message>
        <source>The distance at the bottom of the well is where two particles would rest: the bond length.</source>
        <translation>Der Abstand am Boden der Mulde ist der Abstand, bei dem zwei Teilchen in Ruhe wären: die Bindungslänge.</translation>
    </message>
    <message>
        <source>At what distance is the bottom of the well? Read it off the distance axis (in ångström).</source>
        <translation>Bei welchem Abstand liegt der Boden der Mulde? An der Abstandsachse ablesen (in Ångström).</translation>
    </message>
    <message>
        <source>Find the lowest point of the curve and read its distance on the bottom axis.</source>
        <translation>Den tiefsten Punkt der Kurve suchen und seinen Abstand an der unteren Achse ablesen.</translation>
    </message>
    <message>
        <source>Neighbours in the liquid</source>
        <translation>Nachbarn in der Flüssigkeit</translation>
    </message>
    <message>
        <source>The same window shows how often pairs of particles in the liquid lie at each distance right now: the peaks are the shells of neighbours around a particle.</source>
        <translation>Dasselbe Fenster zeigt, wie häufig Teilchenpaare in der Flüssigkeit gerade jeden Abstand einnehmen: Die Spitzen sind die Schalen von Nachbarn rund um ein Teilchen.</translation>
    </message>
    <message>
        <source>Let the liquid run for a moment, then measure again.</source>
        <translation>Die Simulation der Flüssigkeit einen Moment laufen lassen, dann erneut messen.</translation>
    </message>
    <message>
        <source>Close to the bottom of the well</source>
        <translation>Etwa beim Abstand des Muldenbodens</translation>
    </message>
    <message>
        <source>Much farther than the bottom of the well</source>
        <translation>Bei viel größerem Abstand als der Muldenboden</translation>
    </message>
    <message>
        <source>Much closer than the bottom of the well</source>
        <translation>Bei viel kleinerem Abstand als der Muldenboden</translation>
    </message>
    <message>
        <source>Where is the highest peak of the distances, compared with the bottom of the well?</source>
        <translation>Wo liegt die höchste Spitze der Abstandsverteilung im Vergleich zum Boden der Mulde?</translation>
    </message>
    <message>
        <source>Compare the distance of the highest peak with the bond length you read in step 2.</source>
        <translation>Den Abstand der höchsten Spitze mit der in Schritt 2 abgelesenen Bindungslänge vergleichen.</translation>
    </message>
</context>
<context>
    <name>material</name>
    <message>
        <source>nitrogen</source>
        <translation>Stickstoff</translation>
    </message>
    <message>
        <source>oxygen</source>
        <translation>Sauerstoff</translation>
    </message>
    <message>
        <source>quartz</source>
        <translation>Quarz</translation>
    </message>
    <message>
        <source>water</source>
        <translation>Wasser</translation>
    </message>
</context>
<context>
    <name>phase</name>
    <message>
        <source>solid</source>
        <translation>fest</translation>
    </message>
    <message>
        <source>liquid</source>
        <translation>flüssig</translation>
    </message>
    <message>
        <source>gas</source>
        <translation>gasförmig</translation>
    </message>
    <message>
        <source>supercooled liquid</source>
        <translation>unterkühlt flüssig</translation>
    </message>
    <message>
        <source>solid and liquid</source>
        <translation>fest und flüssig</translation>
    </message>
    <message>
        <source>liquid and gas</source>
        <translation>flüssig und gasförmig</translation>
    </message>
    <message>
        <source>solid and gas</source>
        <translation>fest und gasförmig</translation>
    </message>
</context>
<context>
    <name>scene</name>
    <message>
        <source>%1
and %2</source>
        <translation>%1
und %2</translation>
    </message>
</context>
<context>
    <name>scene::AtomViewAccessible</name>
    <message>
        <source>Atoms</source>
        <translation>Atome</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>scene::KeyboardHelp</name>
    <message>
        <source>Move to the next control</source>
        <translation>Zum nächsten Bedienelement</translation>
    </message>
    <message>
        <source>Move to the previous control</source>
        <translation>Zum vorigen Bedienelement</translation>
    </message>
    <message>
        <source>On a place in the landscape: load its simulation</source>
        <translation>Auf einem Ort in der Landschaft: seine Simulation laden</translation>
    </message>
    <message>
        <source>On the atom view: open the large view</source>
        <translation>Auf der Atomansicht: die große Ansicht öffnen</translation>
    </message>
    <message>
        <source>On the season bar: summer or winter</source>
        <translation>Auf der Jahreszeitenleiste: Sommer oder Winter</translation>
    </message>
    <message>
        <source>On the time-of-day bar: earlier or later in the day</source>
        <translation>Auf der Tageszeitleiste: früher oder später am Tag</translation>
    </message>
    <message>
        <source>In the large view: turn the box left or right</source>
        <translation>In der großen Ansicht: den Behälter nach links oder rechts drehen</translation>
    </message>
    <message>
        <source>In the large view: tip the box up or down</source>
        <translation>In der großen Ansicht: den Behälter nach vorn oder hinten kippen</translation>
    </message>
    <message>
        <source>In the large view: colour the atoms by speed, or by material</source>
        <translation>In der großen Ansicht: die Atome nach Geschwindigkeit oder nach Stoff färben</translation>
    </message>
    <message>
        <source>In the large view: full screen, or back</source>
        <translation>In der großen Ansicht: Vollbild oder zurück</translation>
    </message>
    <message>
        <source>In the large view: export the picture</source>
        <translation>In der großen Ansicht: das Bild exportieren</translation>
    </message>
    <message>
        <source>Close a menu or a dialog</source>
        <translation>Ein Menü oder einen Dialog schließen</translation>
    </message>
    <message>
        <source>In the large view: zoom in or out</source>
        <translation>In der großen Ansicht: vergrößern oder verkleinern</translation>
    </message>
    <message>
        <source>In the large view: back to the front view</source>
        <translation>In der großen Ansicht: zurück zur Vorderansicht</translation>
    </message>
</context>
<context>
    <name>scene::PictureBox</name>
    <message>
        <source>The picture file %1 is missing or is not a picture that can be read.</source>
        <translation>Die Bilddatei %1 fehlt oder ist kein lesbares Bild.</translation>
    </message>
</context>
<context>
    <name>scene::ThermometerAccessible</name>
    <message>
        <source>Thermometer</source>
        <translation>Thermometer</translation>
    </message>
</context>
<context>
    <name>views::AtomColour</name>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>violett</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>türkis</translation>
    </message>
    <message>
        <source>type %1</source>
        <translation>Typ %1</translation>
    </message>
</context>
<context>
    <name>views::InteractionsWindow</name>
    <message>
        <source>Interactions</source>
        <translation>Wechselwirkungen</translation>
    </message>
    <message>
        <source>Pairs of materials</source>
        <translation>Stoffpaare</translation>
    </message>
    <message>
        <source>The curve is the energy of two atoms at distance r; the green line shows how often the atoms keep each distance now, against an even spread through the box (1).</source>
        <translation>Die Kurve ist die Energie zweier Atome im Abstand r; die grüne Linie zeigt, wie häufig die Atome gerade jeden Abstand einnehmen, verglichen mit einer gleichmäßigen Verteilung im Behälter (1).</translation>
    </message>
    <message>
        <source>Pair energy and distances of %1</source>
        <translation>Paarenergie und Abstände von %1</translation>
    </message>
    <message>
        <source>%1 atoms</source>
        <translation>Atome: %1</translation>
    </message>
</context>
<context>
    <name>views::LargeView</name>
    <message>
        <source>speed, %1</source>
        <translation>Geschwindigkeit, %1</translation>
    </message>
    <message>
        <source>The box cannot be shown:
%1</source>
        <translation>Der Behälter kann nicht angezeigt werden:
%1</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>Atoms shown: %1</source>
        <translation>Angezeigte Atome: %1</translation>
    </message>
    <message>
        <source>Seen from the front.</source>
        <translation>Von vorn gesehen.</translation>
    </message>
    <message>
        <source>Turned %1° to the right.</source>
        <translation>Um %1° nach rechts gedreht.</translation>
    </message>
    <message>
        <source>Turned %1° to the left.</source>
        <translation>Um %1° nach links gedreht.</translation>
    </message>
    <message>
        <source>Tipped %1° toward you.</source>
        <translation>Um %1° nach vorn gekippt.</translation>
    </message>
    <message>
        <source>Tipped %1° away from you.</source>
        <translation>Um %1° nach hinten gekippt.</translation>
    </message>
    <message>
        <source>Shown %1 times as large as at first.</source>
        <translation>%1-mal so groß dargestellt wie zu Beginn.</translation>
    </message>
    <message>
        <source>Coloured by material.</source>
        <translation>Nach Stoff gefärbt.</translation>
    </message>
    <message>
        <source>Coloured by speed, from blue for the slowest (%1) through grey to yellow for the fastest (%2).</source>
        <translation>Nach Geschwindigkeit gefärbt, von Blau für die langsamsten (%1) über Grau bis Gelb für die schnellsten (%2).</translation>
    </message>
    <message>
        <source>Coloured by speed, from blue for the slowest (%1) through green to red for the fastest (%2).</source>
        <translation>Nach Geschwindigkeit gefärbt, von Blau für die langsamsten (%1) über Grün bis Rot für die schnellsten (%2).</translation>
    </message>
    <message>
        <source>Arrow keys turn the box, + and - zoom, Home shows the front view, C colours by speed or by material.</source>
        <translation>Pfeiltasten drehen den Behälter, + und - zoomen, Pos1 zeigt die Vorderansicht, C färbt nach Geschwindigkeit oder nach Stoff.</translation>
    </message>
    <message>
        <source>No atoms are shown.</source>
        <translation>Es werden keine Atome angezeigt.</translation>
    </message>
</context>
<context>
    <name>views::LargeViewCanvas</name>
    <message>
        <source>Drag to turn the box, wheel to zoom, double-click for the front view</source>
        <translation>Ziehen dreht den Behälter, das Mausrad zoomt, Doppelklick zeigt die Vorderansicht</translation>
    </message>
    <message>
        <source>Atoms in 3-D</source>
        <translation>Atome in 3D</translation>
    </message>
</context>
<context>
    <name>views::LargeViewWindow</name>
    <message>
        <source>Large View</source>
        <translation>Große Ansicht</translation>
    </message>
    <message>
        <source>View tools</source>
        <translation>Ansichtswerkzeuge</translation>
    </message>
    <message>
        <source>&amp;Colour by Speed</source>
        <translation>Nach &amp;Geschwindigkeit färben</translation>
    </message>
    <message>
        <source>Colour the atoms by speed (C), or by material</source>
        <translation>Die Atome nach Geschwindigkeit (C) oder nach Stoff färben</translation>
    </message>
    <message>
        <source>&amp;Front View</source>
        <translation>&amp;Vorderansicht</translation>
    </message>
    <message>
        <source>Back to the view of the main window (double-click or Home)</source>
        <translation>Zurück zur Ansicht des Hauptfensters (Doppelklick oder Pos1)</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>Voll&amp;bild</translation>
    </message>
    <message>
        <source>Fill the screen with the view, or back to a window (F11)</source>
        <translation>Die Ansicht bildschirmfüllend zeigen oder zurück ins Fenster (F11)</translation>
    </message>
    <message>
        <source>&amp;Export Picture…</source>
        <translation>Bild &amp;exportieren…</translation>
    </message>
    <message>
        <source>Save the picture as a PNG file (Ctrl+Shift+S)</source>
        <translation>Das Bild als PNG-Datei speichern (Strg+Umschalt+S)</translation>
    </message>
</context>
<context>
    <name>views::PairChart</name>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 von %2 bis %3</translation>
    </message>
    <message>
        <source>distance r (%1)</source>
        <translation>Abstand r (%1)</translation>
    </message>
    <message>
        <source>pair energy V(r) (%1)</source>
        <translation>Paarenergie V(r) (%1)</translation>
    </message>
    <message>
        <source>radial distribution g(r)</source>
        <translation>radiale Verteilung g(r)</translation>
    </message>
    <message>
        <source>%1: none kept yet</source>
        <translation>%1: noch keine erfasst</translation>
    </message>
    <message>
        <source>%1, highest %2</source>
        <translation>%1, Maximum: %2</translation>
    </message>
    <message>
        <source>Across: %1. Left: %2. Right: %3. Curves: %4.</source>
        <translation>Waagerecht: %1. Links: %2. Rechts: %3. Kurven: %4.</translation>
    </message>
    <message>
        <source>%1 at %2 %3</source>
        <translation>%1 bei %2 %3</translation>
    </message>
    <message>
        <source>pair energy V(r)</source>
        <translation>Paarenergie V(r)</translation>
    </message>
    <message>
        <source>bond length %1, energy %2</source>
        <translation>Bindungslänge %1, Energie %2</translation>
    </message>
    <message>
        <source>cut-off %1</source>
        <translation>Abschneideradius %1</translation>
    </message>
    <message>
        <source>distances kept now: g(r)</source>
        <translation>aktuelle Abstände: g(r)</translation>
    </message>
</context>
<context>
    <name>views::PictureExport</name>
    <message>
        <source>There is no picture to save.</source>
        <translation>Es gibt kein Bild zum Speichern.</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The picture cannot be saved as %1:
%2</source>
        <translation>Das Bild kann nicht als %1 gespeichert werden:
%2</translation>
    </message>
</context>
<context>
    <name>views::ShownUnit</name>
    <message>
        <source>model units</source>
        <translation>Modelleinheiten</translation>
    </message>
</context>
</TS>
