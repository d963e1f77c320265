<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows how matter behaves at the level of atoms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the Lab beside the main window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the large 3-D view of the atoms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the Experiments window at this experiment: its title, its file name without .experiment, or an experiment file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A scenario file to run at start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvanta will show this language the next time it starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmOrvelModel</name>
    <message>
        <source>Open Experiment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experiments (*.experiment);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no worksheet yet: start an experiment first (View &gt; Experiments…).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no experiment called &quot;%1&quot;.

Folders searched: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From morning to evening: the sun and the temperature follow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The atoms of the chosen place moving in their box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Morning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run Time for MD Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen Update (Frames Per Second)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># Atoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Atoms in Simulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambient Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mouse icon %1 is missing or cannot be read.

Folders searched: %2

The program reads its pictures and scenarios from the folder it is started in, or else from its installed data folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># Atoms : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A picture of the sun cannot be read:
%1

Folders searched: %2

The program runs on without the sun.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A picture of an atom cannot be read:
%1

Folders searched: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summer or winter; now %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a place in the landscape to see its atoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water and air</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Water/Air Interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water and rock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Water/Rock Interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Sand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark rock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Solid Dark Rock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Cloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Air Molecules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermometer bulb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermometer tube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;1 step per tick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;2 steps per tick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;5 steps per tick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1&amp;0 steps per tick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20 &amp;steps per tick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50 steps &amp;per tick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw the Lab, its graphs and the large view in white and bright colours on black, for a projector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed &amp;Colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue to &amp;Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue to &amp;Yellow (for red-green colour blindness)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Scenario…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Ex&amp;periment…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a guided experiment file, such as one a teacher wrote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Snapshot…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the atoms as they are now as a scenario file; loading it draws fresh velocities for its temperature, as for every scenario file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Picture…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the atom view as a PNG picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Worksheet…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the open experiment&apos;s worksheet, with your answers and the values measured, as a PDF or a web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Single Component</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Solid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Liquid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Double Component</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Solid-Liquid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solid-&amp;Gas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Liquid-Gas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Follow the Ambient Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold the atoms at the temperature of the season and the time of day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One tick while paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load the running scenario&apos;s file again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lab…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La&amp;rge View…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Interactions…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Experiments…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guided experiments: the program sets each step up and checks what you measure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FPS: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario files (*.ams);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The snapshot cannot be saved:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Trajectory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extended XYZ (*.xyz);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write every K-th frame shown. K:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trajectory cannot be recorded:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording the trajectory has stopped:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Recording the &amp;Trajectory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Trajectory…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record every K-th frame shown to an extended-XYZ file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas-Gas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solid-Liquid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solid-Gas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liquid-Gas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Folders searched: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scenario cannot be loaded:
%1%2

The simulation carries on as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The box of %1 cannot be shown:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The material card cannot be used:
%1

The scenario runs in model units.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No simulation yet: choose a place in the landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>atoms: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>insulated: no heat in or out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kept at %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lid holds the box at %1 % of its height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the parts of the atom view&apos;s summary</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>guide::AnswerInput</name>
    <message>
        <source>(choose one)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>guide::ExperimentLibrary</name>
    <message>
        <source>%1 cannot be copied to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>guide::ExperimentSession</name>
    <message>
        <source>The scenario file %1 cannot be found beside the experiment (%2) nor among the program&apos;s own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scenario file %1 cannot be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scenario has no material card, so a pressure in kPa cannot be held.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This step measures %1, which is not running now. Press Set up again to load it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The simulation is paused: press Space to run it. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>guide::ExperimentWindow</name>
    <message>
        <source> (about %1 min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> — your own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experiments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Choose an experiment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Experiment File…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set &amp;up again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do this step&apos;s set-up again: load its scenario, set the thermostat, the lid and the graphs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All Experiments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Worksheet…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Measure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This experiment cannot be opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Step %2 of %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program measures %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not measured yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name for the worksheet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf);;Web page (*.html)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The worksheet was written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the chosen experiment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open an experiment file from any folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check your answer and the measurement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The step before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the list of experiments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the worksheet to hand in, as PDF or a web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take this step&apos;s measurement from the running simulation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>guide::Measurement</name>
    <message>
        <source>%L1 K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The temperature is the mean over %L1 steps: let the simulation run a little longer, then measure again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The heating ramp has not passed %1 yet: let it run on, then measure again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The heating curve shows no plateau between %1 and %2. Press Set up again to run the ramp again, and let it run to the end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pressure gauge averages over a stretch of the run: let the simulation run a little longer, then measure again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lid is still moving: measure when it has stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The running scenario has no material %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phases are told from the last %L1 steps of the run: let the simulation run a little longer, then measure again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let the simulation run a little, then measure again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No two atoms of these materials are close together now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The distances cannot be measured in this scenario.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the plateau of the heating curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the energy taken up over the plateau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pressure on the walls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the room the atoms have inside the walls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the share of atoms moving about</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the share of atoms in the vapour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the potential energy per atom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the depth of the energy well</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the distance at the bottom of the well</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the most common distance between neighbours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This measurement is not known.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>guide::Verdict</name>
    <message>
        <source>—</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lies between %2 and %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not lie between %2 and %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is above %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not above %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is below %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not below %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give your answer first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This needs the measurement of step %1: go back and take it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the measurement first: press Measure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the step again and look at what it shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet: %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scenario&apos;s material card does not give the figure this is checked against, so it cannot be checked.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>guide::Worksheet</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choices: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> · </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The worksheet could not be written to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lab::ChartSummary</name>
    <message>
        <source>Horizontal axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 to %3</source>
        <comment>axis: range</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no values yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 at %3</source>
        <comment>series: y at x</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 throughout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: latest %2 at %3</source>
        <comment>series: latest y at x</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a sentence</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; </source>
        <comment>list separator</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lab::LabWindow</name>
    <message>
        <source>Lab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase dia&amp;gram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save CSV…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save every recorded sample as a table: one row per sample, a header row with units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Units </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit of every temperature, here and in the status bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &amp;Pressure </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit of the wall pressure: kilopascal or standard atmosphere (%1 kPa)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: the folder is missing or not writable, or the disk is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the recorded series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lab::MaterialsPanel</name>
    <message>
        <source>Substance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chemical element the atoms stand for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Melts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The real melting point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boils</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The real boiling point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model melts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The melting point measured on the model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>caption: value</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Materials</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The real length of the model&apos;s unit of length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The real mass of the model&apos;s unit of mass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The real time one step of the simulation lasts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No material card: model units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The material card was refused: model units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scenario has no card beside it that names its substances, so it runs in model units</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lab::PhaseDiagram</name>
    <message>
        <source>Your state point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase diagram of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>temperature against density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each state point of the map by its density and temperature; your state point marked large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pressure against temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each state point of the map by its temperature and pressure on the walls, pressure on a logarithmic axis; the real triple and critical points marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 measured on the model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>material: chart</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Density (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>real triple point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>real critical point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measured on the model: each mark is a state the model of %1 was held at, shaped and coloured by the phases found there. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of its %2 state points, where the walls felt no push, are not on the pressure chart. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hollow marks and dashed lines: the real substance, from the material card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The material card gives no triple or critical point of the real substance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure on the walls (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your state point: not measured yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pressure not measured yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your state point: %1 %2, %3 %4, %5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lab::PhaseDiagramTab</name>
    <message>
        <source>Phase diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phases measured on the model of each material at many temperatures and densities, with your own state point and the real substance&apos;s triple and critical points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No scenario runs yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Material of the phase diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses which material&apos;s phase diagram is shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This scenario has no material card, so the Lab cannot tell which substance its atoms stand for, nor whose phase map to show. A card beside the scenario file (X.card beside X.ams) names its substances.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With several materials in the box, the density is this material&apos;s own and the pressure the whole box&apos;s, which all of them share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No phase map has been looked up for %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lab::PhaseLegend</name>
    <message>
        <source>Legend</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lab::PhaseMapSource</name>
    <message>
        <source>No phase map has been measured on the model for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phase map found for %1 is the map of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phase map of %1 holds no state points yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phase map of %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lab::PhaseWatch</name>
    <message>
        <source>Phase change: %1 is now %2 (was %3).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lab::ReadoutPanel</name>
    <message>
        <source>Per atom, in kilojoules per mole of atoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per atom, in the model&apos;s units: the scenario has no material card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force of the walls on the atoms per area of the walls&apos; inner faces, averaged like a gauge over the last %1 steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force of the walls on the atoms per area of the walls&apos; inner faces, averaged like a gauge over the last %1 steps, in the model&apos;s units: the scenario has no material card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time steps since the scenario started, and the time they simulated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time steps since the scenario started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Material %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readouts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measured: 2/3 of the mean kinetic energy per atom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kinetic energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potential energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wall pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atoms times time steps simulated per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not measured yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not told yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>readout: value</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 atom-steps/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase from how far the atoms move over 1,000 steps and how many neighbours they keep</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lab::SeriesCharts</name>
    <message>
        <source>Temperature (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermostat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kinetic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wall pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wall pressure graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the walls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heating &amp;curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heating curve graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measured temperature during the ramp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy per atom (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wall pressure (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total energy per atom (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lab::ThermostatPanel</name>
    <message>
        <source>Thermostat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold the atoms at this temperature, whatever the season or the time of day. Off: the scenario&apos;s own temperature.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Follow the ambient temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every change of season or time of day moves the thermostat to the ambient temperature.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;amp to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ramp length in steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many time steps the ramp takes to reach its temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ramp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the thermostat steadily to this temperature and plot the heating curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insulated: no heat in or out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No thermostat and no clamp: the atoms keep their total energy, so a liquid that evaporates cools down.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The temperature the atoms are held at: from %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermostat temperature, in tenths of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thermostat temperature in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ramp to temperature in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop &amp;ramp</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lab::VolumePanel</name>
    <message>
        <source>Volume and pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box height in per cent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Box height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H&amp;old pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the lid by itself to keep the pressure on it at this value: slowly, after each reading of its gauge (the lid feels the gas or vapour above a liquid, not the liquid&apos;s weight). Off: the lid stays where it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure to hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pressure on the lid to hold, in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure to hold in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lid at the file&apos;s box (100 %)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lid at %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lid at %1 %: waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lid at %1 %, moving to %2 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; on the lid %2</source>
        <comment>where the lid stands; the pressure on it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The height of the box, in per cent of the scenario file&apos;s box: the lid (the top of the box) moves down to compress the atoms and back up to let them expand, from 100 % down to %1 %. It moves slowly, at a pace at which the soft wall pushes the atoms ahead of it, and never pushes an atom deep into its wall.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lab::units</name>
    <message>
        <source>model units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 %3)</source>
        <comment>steps (time simulated)</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>material</name>
    <message>
        <source>nitrogen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>oxygen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quartz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>water</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>phase</name>
    <message>
        <source>solid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>liquid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>supercooled liquid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>solid and liquid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>liquid and gas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>solid and gas</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scene</name>
    <message>
        <source>%1
and %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scene::AtomViewAccessible</name>
    <message>
        <source>Atoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scene::KeyboardHelp</name>
    <message>
        <source>Move to the next control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to the previous control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On a place in the landscape: load its simulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the atom view: open the large view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the season bar: summer or winter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the time-of-day bar: earlier or later in the day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the large view: turn the box left or right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the large view: tip the box up or down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the large view: colour the atoms by speed, or by material</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the large view: full screen, or back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the large view: export the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close a menu or a dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the large view: zoom in or out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the large view: back to the front view</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scene::PictureBox</name>
    <message>
        <source>The picture file %1 is missing or is not a picture that can be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>scene::ThermometerAccessible</name>
    <message>
        <source>Thermometer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>views::AtomColour</name>
    <message>
        <source>blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>violet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>views::InteractionsWindow</name>
    <message>
        <source>Interactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pairs of materials</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The curve is the energy of two atoms at distance r; the green line shows how often the atoms keep each distance now, against an even spread through the box (1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair energy and distances of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 atoms</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>views::LargeView</name>
    <message>
        <source>speed, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The box cannot be shown:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atoms shown: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seen from the front.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turned %1° to the right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turned %1° to the left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipped %1° toward you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipped %1° away from you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown %1 times as large as at first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coloured by material.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coloured by speed, from blue for the slowest (%1) through grey to yellow for the fastest (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coloured by speed, from blue for the slowest (%1) through green to red for the fastest (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow keys turn the box, + and - zoom, Home shows the front view, C colours by speed or by material.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No atoms are shown.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>views::LargeViewCanvas</name>
    <message>
        <source>Drag to turn the box, wheel to zoom, double-click for the front view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atoms in 3-D</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>views::LargeViewWindow</name>
    <message>
        <source>Large View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Colour by Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour the atoms by speed (C), or by material</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Front View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the view of the main window (double-click or Home)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill the screen with the view, or back to a window (F11)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Picture…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the picture as a PNG file (Ctrl+Shift+S)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>views::PairChart</name>
    <message>
        <source>%1 from %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>distance r (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pair energy V(r) (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>radial distribution g(r)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: none kept yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, highest %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Across: %1. Left: %2. Right: %3. Curves: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pair energy V(r)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bond length %1, energy %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cut-off %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>distances kept now: g(r)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>views::PictureExport</name>
    <message>
        <source>There is no picture to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture cannot be saved as %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>views::ShownUnit</name>
    <message>
        <source>model units</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
