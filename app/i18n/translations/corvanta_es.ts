<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows how matter behaves at the level of atoms.</source>
        <translation>Muestra cómo se comporta la materia a escala atómica.</translation>
    </message>
    <message>
        <source>Open the Lab beside the main window.</source>
        <translation>Abrir el laboratorio junto a la ventana principal.</translation>
    </message>
    <message>
        <source>Open the large 3-D view of the atoms.</source>
        <translation>Abrir la vista ampliada en 3D de los átomos.</translation>
    </message>
    <message>
        <source>Open the Experiments window at this experiment: its title, its file name without .experiment, or an experiment file.</source>
        <translation>Abrir la ventana de experimentos en este experimento: su título, su nombre de archivo sin .experiment o un archivo de experimento.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>A scenario file to run at start.</source>
        <translation>Un archivo de escenario que se ejecuta al iniciar.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Corvanta will show this language the next time it starts.</source>
        <translation>Corvanta mostrará este idioma la próxima vez que se inicie.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Idioma del &amp;sistema</translation>
    </message>
</context>
<context>
    <name>frmOrvelModel</name>
    <message>
        <source>Open Experiment</source>
        <translation>Abrir experimento</translation>
    </message>
    <message>
        <source>Experiments (*.experiment);;All files (*)</source>
        <translation>Experimentos (*.experiment);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>There is no worksheet yet: start an experiment first (View &gt; Experiments…).</source>
        <translation>Todavía no hay ninguna hoja de trabajo: primero inicia un experimento (Ver &gt; Experimentos…).</translation>
    </message>
    <message>
        <source>There is no experiment called &quot;%1&quot;.

Folders searched: %2</source>
        <translation>No hay ningún experimento llamado &quot;%1&quot;.

Carpetas consultadas: %2</translation>
    </message>
    <message>
        <source>Time of Day</source>
        <translation>Hora del día</translation>
    </message>
    <message>
        <source>From morning to evening: the sun and the temperature follow</source>
        <translation>De la mañana a la tarde: el sol y la temperatura cambian con la hora</translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation>Átomos</translation>
    </message>
    <message>
        <source>The atoms of the chosen place moving in their box</source>
        <translation>Los átomos del lugar elegido moviéndose en su caja</translation>
    </message>
    <message>
        <source>Evening</source>
        <translation>Tarde</translation>
    </message>
    <message>
        <source>Morning</source>
        <translation>Mañana</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Run Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Run Time for MD Model</source>
        <translation>Tiempo de ejecución del modelo de dinámica molecular</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Screen Update (Frames Per Second)</source>
        <translation>Actualización de la pantalla (fotogramas por segundo)</translation>
    </message>
    <message>
        <source># Atoms</source>
        <translation>N.º átomos</translation>
    </message>
    <message>
        <source>Number of Atoms in Simulation</source>
        <translation>Número de átomos en la simulación</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Ambient Temperature</source>
        <translation>Temperatura ambiente</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulación</translation>
    </message>
    <message>
        <source>Simulation Type</source>
        <translation>Tipo de simulación</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Estación</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Verano</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Invierno</translation>
    </message>
    <message>
        <source>Simulation: %1</source>
        <translation>Simulación: %1</translation>
    </message>
    <message>
        <source>The mouse icon %1 is missing or cannot be read.

Folders searched: %2

The program reads its pictures and scenarios from the folder it is started in, or else from its installed data folder.</source>
        <translation>No se encuentra el icono del puntero %1 o no se puede leer.

Carpetas consultadas: %2

El programa lee sus imágenes y escenarios de la carpeta desde la que se inicia o, si no, de su carpeta de datos instalada.</translation>
    </message>
    <message>
        <source># Atoms : %1</source>
        <translation>N.º átomos: %1</translation>
    </message>
    <message>
        <source>A picture of the sun cannot be read:
%1

Folders searched: %2

The program runs on without the sun.</source>
        <translation>No se puede leer una imagen del sol:
%1

Carpetas consultadas: %2

El programa sigue funcionando sin el sol.</translation>
    </message>
    <message>
        <source>A picture of an atom cannot be read:
%1

Folders searched: %2</source>
        <translation>No se puede leer una imagen de un átomo:
%1

Carpetas consultadas: %2</translation>
    </message>
    <message>
        <source>Summer or winter; now %1</source>
        <translation>Verano o invierno; ahora: %1</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paisaje</translation>
    </message>
    <message>
        <source>Choose a place in the landscape to see its atoms</source>
        <translation>Elige un lugar del paisaje para ver sus átomos</translation>
    </message>
    <message>
        <source>Water and air</source>
        <translation>Agua y aire</translation>
    </message>
    <message>
        <source>View Water/Air Interface</source>
        <translation>Ver la superficie de separación agua/aire</translation>
    </message>
    <message>
        <source>Water and rock</source>
        <translation>Agua y roca</translation>
    </message>
    <message>
        <source>View Water/Rock Interface</source>
        <translation>Ver la superficie de separación agua/roca</translation>
    </message>
    <message>
        <source>Sand</source>
        <translation>Arena</translation>
    </message>
    <message>
        <source>View Sand</source>
        <translation>Ver la arena</translation>
    </message>
    <message>
        <source>Dark rock</source>
        <translation>Roca oscura</translation>
    </message>
    <message>
        <source>View Solid Dark Rock</source>
        <translation>Ver la roca oscura sólida</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Nube</translation>
    </message>
    <message>
        <source>View Cloud</source>
        <translation>Ver la nube</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>View Air Molecules</source>
        <translation>Ver las moléculas del aire</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>View Water</source>
        <translation>Ver el agua</translation>
    </message>
    <message>
        <source>Thermometer bulb</source>
        <translation>Bulbo del termómetro</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Termómetro</translation>
    </message>
    <message>
        <source>Thermometer tube</source>
        <translation>Tubo del termómetro</translation>
    </message>
    <message>
        <source>&amp;1 step per tick</source>
        <translation>&amp;1 paso por ciclo</translation>
    </message>
    <message>
        <source>&amp;2 steps per tick</source>
        <translation>&amp;2 pasos por ciclo</translation>
    </message>
    <message>
        <source>&amp;5 steps per tick</source>
        <translation>&amp;5 pasos por ciclo</translation>
    </message>
    <message>
        <source>1&amp;0 steps per tick</source>
        <translation>1&amp;0 pasos por ciclo</translation>
    </message>
    <message>
        <source>20 &amp;steps per tick</source>
        <translation>20 &amp;pasos por ciclo</translation>
    </message>
    <message>
        <source>50 steps &amp;per tick</source>
        <translation>50 pasos p&amp;or ciclo</translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation>Alto &amp;contraste</translation>
    </message>
    <message>
        <source>Draw the Lab, its graphs and the large view in white and bright colours on black, for a projector</source>
        <translation>Dibujar el laboratorio, sus gráficas y la vista ampliada en blanco y colores vivos sobre fondo negro, para un proyector</translation>
    </message>
    <message>
        <source>Speed &amp;Colours</source>
        <translation>Colores de &amp;velocidad</translation>
    </message>
    <message>
        <source>Blue to &amp;Red</source>
        <translation>De azul a &amp;rojo</translation>
    </message>
    <message>
        <source>Blue to &amp;Yellow (for red-green colour blindness)</source>
        <translation>De azul a &amp;amarillo (para daltonismo rojo-verde)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open Scenario…</source>
        <translation>&amp;Abrir escenario…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>Open Ex&amp;periment…</source>
        <translation>Abrir &amp;experimento…</translation>
    </message>
    <message>
        <source>Open a guided experiment file, such as one a teacher wrote</source>
        <translation>Abrir un archivo de experimento guiado, por ejemplo uno escrito por un docente</translation>
    </message>
    <message>
        <source>&amp;Save Snapshot…</source>
        <translation>&amp;Guardar instantánea…</translation>
    </message>
    <message>
        <source>Save the atoms as they are now as a scenario file; loading it draws fresh velocities for its temperature, as for every scenario file</source>
        <translation>Guardar los átomos tal como están ahora en un archivo de escenario; al cargarlo se sortean velocidades nuevas según su temperatura, como con cualquier archivo de escenario</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>&amp;Picture…</source>
        <translation>&amp;Imagen…</translation>
    </message>
    <message>
        <source>Save the atom view as a PNG picture</source>
        <translation>Guardar la vista de átomos como imagen PNG</translation>
    </message>
    <message>
        <source>&amp;Worksheet…</source>
        <translation>&amp;Hoja de trabajo…</translation>
    </message>
    <message>
        <source>Write the open experiment&apos;s worksheet, with your answers and the values measured, as a PDF or a web page</source>
        <translation>Guardar la hoja de trabajo del experimento abierto, con tus respuestas y los valores medidos, como PDF o como página web</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Single Component</source>
        <translation>&amp;Un componente</translation>
    </message>
    <message>
        <source>&amp;Solid</source>
        <translation>&amp;Sólido</translation>
    </message>
    <message>
        <source>&amp;Liquid</source>
        <translation>&amp;Líquido</translation>
    </message>
    <message>
        <source>&amp;Gas</source>
        <translation>&amp;Gas</translation>
    </message>
    <message>
        <source>&amp;Double Component</source>
        <translation>&amp;Dos componentes</translation>
    </message>
    <message>
        <source>&amp;Solid-Liquid</source>
        <translation>&amp;Sólido-líquido</translation>
    </message>
    <message>
        <source>Solid-&amp;Gas</source>
        <translation>Sólido-&amp;gas</translation>
    </message>
    <message>
        <source>&amp;Liquid-Gas</source>
        <translation>&amp;Líquido-gas</translation>
    </message>
    <message>
        <source>&amp;Follow the Ambient Temperature</source>
        <translation>&amp;Seguir la temperatura ambiente</translation>
    </message>
    <message>
        <source>Hold the atoms at the temperature of the season and the time of day</source>
        <translation>Mantener los átomos a la temperatura de la estación y de la hora del día</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>&amp;Simulación</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>Avanzar un pa&amp;so</translation>
    </message>
    <message>
        <source>One tick while paused</source>
        <translation>Avanzar un ciclo durante la pausa</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>&amp;Velocidad</translation>
    </message>
    <message>
        <source>Re&amp;start</source>
        <translation>Re&amp;iniciar</translation>
    </message>
    <message>
        <source>Load the running scenario&apos;s file again</source>
        <translation>Volver a cargar el archivo del escenario en curso</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Lab…</source>
        <translation>&amp;Laboratorio…</translation>
    </message>
    <message>
        <source>La&amp;rge View…</source>
        <translation>Vista &amp;ampliada…</translation>
    </message>
    <message>
        <source>&amp;Interactions…</source>
        <translation>&amp;Interacciones…</translation>
    </message>
    <message>
        <source>&amp;Experiments…</source>
        <translation>&amp;Experimentos…</translation>
    </message>
    <message>
        <source>Guided experiments: the program sets each step up and checks what you measure</source>
        <translation>Experimentos guiados: el programa prepara cada paso y comprueba lo que mides</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Topics</source>
        <translation>&amp;Temas</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reanudar</translation>
    </message>
    <message>
        <source>FPS: %1</source>
        <translation>FPS: %1</translation>
    </message>
    <message>
        <source>Scenario files (*.ams);;All files (*)</source>
        <translation>Archivos de escenario (*.ams);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open Scenario</source>
        <translation>Abrir escenario</translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation>Guardar instantánea</translation>
    </message>
    <message>
        <source>The snapshot cannot be saved:
%1</source>
        <translation>No se puede guardar la instantánea:
%1</translation>
    </message>
    <message>
        <source>Record Trajectory</source>
        <translation>Grabar trayectoria</translation>
    </message>
    <message>
        <source>Extended XYZ (*.xyz);;All files (*)</source>
        <translation>XYZ extendido (*.xyz);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Write every K-th frame shown. K:</source>
        <translation>Guardar uno de cada K fotogramas mostrados. K:</translation>
    </message>
    <message>
        <source>The trajectory cannot be recorded:
%1</source>
        <translation>No se puede grabar la trayectoria:
%1</translation>
    </message>
    <message>
        <source>Recording the trajectory has stopped:
%1</source>
        <translation>La grabación de la trayectoria se ha detenido:
%1</translation>
    </message>
    <message>
        <source>Stop Recording the &amp;Trajectory</source>
        <translation>Detener la grabación de la &amp;trayectoria</translation>
    </message>
    <message>
        <source>&amp;Trajectory…</source>
        <translation>&amp;Trayectoria…</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Grabando en %1</translation>
    </message>
    <message>
        <source>Record every K-th frame shown to an extended-XYZ file</source>
        <translation>Grabar uno de cada K fotogramas mostrados en un archivo XYZ extendido</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Sólido</translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation>Líquido</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Gas-Gas</source>
        <translation>Gas-gas</translation>
    </message>
    <message>
        <source>Solid-Liquid</source>
        <translation>Sólido-líquido</translation>
    </message>
    <message>
        <source>Solid-Gas</source>
        <translation>Sólido-gas</translation>
    </message>
    <message>
        <source>Liquid-Gas</source>
        <translation>Líquido-gas</translation>
    </message>
    <message>
        <source>

Folders searched: %1</source>
        <translation>

Carpetas consultadas: %1</translation>
    </message>
    <message>
        <source>The scenario cannot be loaded:
%1%2

The simulation carries on as it was.</source>
        <translation>No se puede cargar el escenario:
%1%2

La simulación continúa como estaba.</translation>
    </message>
    <message>
        <source>The box of %1 cannot be shown:
%2</source>
        <translation>No se puede mostrar la caja de %1:
%2</translation>
    </message>
    <message>
        <source>The material card cannot be used:
%1

The scenario runs in model units.</source>
        <translation>No se puede usar la ficha de material:
%1

El escenario funciona en unidades del modelo.</translation>
    </message>
    <message>
        <source>Temperature: %1 %2</source>
        <translation>Temperatura: %1 %2</translation>
    </message>
    <message>
        <source>No simulation yet: choose a place in the landscape</source>
        <translation>Todavía no hay simulación: elige un lugar del paisaje</translation>
    </message>
    <message>
        <source>atoms: %1</source>
        <translation>átomos: %1</translation>
    </message>
    <message>
        <source>insulated: no heat in or out</source>
        <translation>aislado: no entra ni sale calor</translation>
    </message>
    <message>
        <source>kept at %1 %2</source>
        <translation>temperatura mantenida a %1 %2</translation>
    </message>
    <message>
        <source>the lid holds the box at %1 % of its height</source>
        <translation>la tapa mantiene la caja al %1 % de su altura</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>en pausa</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the parts of the atom view&apos;s summary</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>Disp Time: %1</source>
        <translation>Tiempo de dibujo: %1</translation>
    </message>
    <message>
        <source>&amp;Keyboard…</source>
        <translation>Te&amp;clado…</translation>
    </message>
    <message>
        <source>List every key the program answers to</source>
        <translation>Mostrar todas las teclas a las que responde el programa</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versión %1.%2</translation>
    </message>
</context>
<context>
    <name>guide::AnswerInput</name>
    <message>
        <source>(choose one)</source>
        <translation>(elige una opción)</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>En %1</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Tu respuesta</translation>
    </message>
    <message>
        <source>Your choice</source>
        <translation>Tu elección</translation>
    </message>
</context>
<context>
    <name>guide::ExperimentLibrary</name>
    <message>
        <source>%1 cannot be copied to %2.</source>
        <translation>No se puede copiar %1 en %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>guide::ExperimentSession</name>
    <message>
        <source>The scenario file %1 cannot be found beside the experiment (%2) nor among the program&apos;s own.</source>
        <translation>No se encuentra el archivo de escenario %1 ni junto al experimento (%2) ni entre los del propio programa.</translation>
    </message>
    <message>
        <source>The scenario file %1 cannot be loaded.</source>
        <translation>No se puede cargar el archivo de escenario %1.</translation>
    </message>
    <message>
        <source>The scenario has no material card, so a pressure in kPa cannot be held.</source>
        <translation>El escenario no tiene ficha de material, así que no se puede mantener una presión en kPa.</translation>
    </message>
    <message>
        <source>This step measures %1, which is not running now. Press Set up again to load it.</source>
        <translation>Este paso mide en el escenario %1, que ahora no se está ejecutando. Pulsa Preparar de nuevo para cargarlo.</translation>
    </message>
    <message>
        <source>The simulation is paused: press Space to run it. %1</source>
        <translation>La simulación está en pausa: pulsa Espacio para ponerla en marcha. %1</translation>
    </message>
</context>
<context>
    <name>guide::ExperimentWindow</name>
    <message>
        <source> (about %1 min)</source>
        <translation> (unos %1 min)</translation>
    </message>
    <message>
        <source> — your own</source>
        <translation> — tuyo</translation>
    </message>
    <message>
        <source>Experiments</source>
        <translation>Experimentos</translation>
    </message>
    <message>
        <source>&amp;Choose an experiment:</source>
        <translation>&amp;Elegir un experimento:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>&amp;Open Experiment File…</source>
        <translation>Abrir a&amp;rchivo de experimento…</translation>
    </message>
    <message>
        <source>Step text</source>
        <translation>Texto del paso</translation>
    </message>
    <message>
        <source>Set &amp;up again</source>
        <translation>&amp;Preparar de nuevo</translation>
    </message>
    <message>
        <source>Do this step&apos;s set-up again: load its scenario, set the thermostat, the lid and the graphs</source>
        <translation>Volver a preparar este paso: cargar su escenario y ajustar el termostato, la tapa y las gráficas</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>&amp;Comprobar</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Resultado de la comprobación</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Siguiente &gt;</translation>
    </message>
    <message>
        <source>&amp;All Experiments</source>
        <translation>&amp;Todos los experimentos</translation>
    </message>
    <message>
        <source>&amp;Worksheet…</source>
        <translation>&amp;Hoja de trabajo…</translation>
    </message>
    <message>
        <source>&amp;Measure</source>
        <translation>&amp;Medir</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Valor medido</translation>
    </message>
    <message>
        <source>This experiment cannot be opened: %1</source>
        <translation>No se puede abrir este experimento: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Step %2 of %3: %4</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Paso %2 de %3: %4</translation>
    </message>
    <message>
        <source>The program measures %1.</source>
        <translation>El programa mide %1.</translation>
    </message>
    <message>
        <source>not measured yet</source>
        <translation>aún sin medir</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Hoja de trabajo</translation>
    </message>
    <message>
        <source>Your name for the worksheet:</source>
        <translation>Tu nombre para la hoja de trabajo:</translation>
    </message>
    <message>
        <source>Export Worksheet</source>
        <translation>Exportar hoja de trabajo</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;Web page (*.html)</source>
        <translation>PDF (*.pdf);;Página web (*.html)</translation>
    </message>
    <message>
        <source>The worksheet was written to %1.</source>
        <translation>La hoja de trabajo se ha guardado en %1.</translation>
    </message>
    <message>
        <source>Start the chosen experiment</source>
        <translation>Iniciar el experimento elegido</translation>
    </message>
    <message>
        <source>Open an experiment file from any folder</source>
        <translation>Abrir un archivo de experimento de cualquier carpeta</translation>
    </message>
    <message>
        <source>Check your answer and the measurement</source>
        <translation>Comprobar tu respuesta y la medida</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>The step before</source>
        <translation>El paso anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>The next step</source>
        <translation>El paso siguiente</translation>
    </message>
    <message>
        <source>Back to the list of experiments</source>
        <translation>Volver a la lista de experimentos</translation>
    </message>
    <message>
        <source>Write the worksheet to hand in, as PDF or a web page</source>
        <translation>Guardar la hoja de trabajo para entregarla, como PDF o como página web</translation>
    </message>
    <message>
        <source>Take this step&apos;s measurement from the running simulation</source>
        <translation>Tomar la medida de este paso de la simulación en curso</translation>
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
        <translation>La temperatura es la media de %L1 pasos: deja que la simulación avance un poco más y vuelve a medir.</translation>
    </message>
    <message>
        <source>The heating ramp has not passed %1 yet: let it run on, then measure again.</source>
        <translation>La rampa de calentamiento aún no ha pasado de %1: deja que continúe y vuelve a medir.</translation>
    </message>
    <message>
        <source>The heating curve shows no plateau between %1 and %2. Press Set up again to run the ramp again, and let it run to the end.</source>
        <translation>La curva de calentamiento no muestra ningún tramo horizontal entre %1 y %2. Pulsa Preparar de nuevo para repetir la rampa y deja que llegue hasta el final.</translation>
    </message>
    <message>
        <source>The pressure gauge averages over a stretch of the run: let the simulation run a little longer, then measure again.</source>
        <translation>El manómetro promedia durante un intervalo de la simulación: deja que la simulación avance un poco más y vuelve a medir.</translation>
    </message>
    <message>
        <source>The lid is still moving: measure when it has stopped.</source>
        <translation>La tapa todavía se está moviendo: mide cuando se haya detenido.</translation>
    </message>
    <message>
        <source>The running scenario has no material %1.</source>
        <translation>El escenario en curso no tiene el material %1.</translation>
    </message>
    <message>
        <source>The phases are told from the last %L1 steps of the run: let the simulation run a little longer, then measure again.</source>
        <translation>Las fases se determinan a partir de los últimos %L1 pasos de la simulación: deja que avance un poco más y vuelve a medir.</translation>
    </message>
    <message>
        <source>Let the simulation run a little, then measure again.</source>
        <translation>Deja que la simulación avance un poco y vuelve a medir.</translation>
    </message>
    <message>
        <source>No two atoms of these materials are close together now.</source>
        <translation>Ahora no hay ningún par de átomos de estos materiales cerca uno del otro.</translation>
    </message>
    <message>
        <source>The distances cannot be measured in this scenario.</source>
        <translation>En este escenario no se pueden medir las distancias.</translation>
    </message>
    <message>
        <source>the temperature</source>
        <translation>la temperatura</translation>
    </message>
    <message>
        <source>the plateau of the heating curve</source>
        <translation>el tramo horizontal de la curva de calentamiento</translation>
    </message>
    <message>
        <source>the energy taken up over the plateau</source>
        <translation>la energía absorbida en el tramo horizontal</translation>
    </message>
    <message>
        <source>the pressure on the walls</source>
        <translation>la presión sobre las paredes</translation>
    </message>
    <message>
        <source>the room the atoms have inside the walls</source>
        <translation>el espacio que tienen los átomos dentro de las paredes</translation>
    </message>
    <message>
        <source>the share of atoms moving about</source>
        <translation>la proporción de átomos que se desplazan</translation>
    </message>
    <message>
        <source>the share of atoms in the vapour</source>
        <translation>la proporción de átomos en el vapor</translation>
    </message>
    <message>
        <source>the phase</source>
        <translation>el estado de agregación</translation>
    </message>
    <message>
        <source>the potential energy per atom</source>
        <translation>la energía potencial por átomo</translation>
    </message>
    <message>
        <source>the depth of the energy well</source>
        <translation>la profundidad del pozo de energía</translation>
    </message>
    <message>
        <source>the distance at the bottom of the well</source>
        <translation>la distancia en el fondo del pozo</translation>
    </message>
    <message>
        <source>the most common distance between neighbours</source>
        <translation>la distancia más frecuente entre vecinos</translation>
    </message>
    <message>
        <source>This measurement is not known.</source>
        <translation>No se conoce esta medida.</translation>
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
        <translation>%1 está entre %2 y %3</translation>
    </message>
    <message>
        <source>%1 does not lie between %2 and %3</source>
        <translation>%1 no está entre %2 y %3</translation>
    </message>
    <message>
        <source>%1 is above %2</source>
        <translation>%1 está por encima de %2</translation>
    </message>
    <message>
        <source>%1 is not above %2</source>
        <translation>%1 no está por encima de %2</translation>
    </message>
    <message>
        <source>%1 is below %2</source>
        <translation>%1 está por debajo de %2</translation>
    </message>
    <message>
        <source>%1 is not below %2</source>
        <translation>%1 no está por debajo de %2</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>es %1</translation>
    </message>
    <message>
        <source>it is not %1</source>
        <translation>no es %1</translation>
    </message>
    <message>
        <source>Give your answer first.</source>
        <translation>Primero da tu respuesta.</translation>
    </message>
    <message>
        <source>This needs the measurement of step %1: go back and take it.</source>
        <translation>Para esto hace falta la medida del paso %1: vuelve atrás y tómala.</translation>
    </message>
    <message>
        <source>Take the measurement first: press Measure.</source>
        <translation>Primero toma la medida: pulsa Medir.</translation>
    </message>
    <message>
        <source>Right: %1.</source>
        <translation>Correcto: %1.</translation>
    </message>
    <message>
        <source>Read the step again and look at what it shows.</source>
        <translation>Vuelve a leer el paso y fíjate en lo que muestra.</translation>
    </message>
    <message>
        <source>Not yet: %1. %2</source>
        <translation>Todavía no: %1. %2</translation>
    </message>
    <message>
        <source>The scenario&apos;s material card does not give the figure this is checked against, so it cannot be checked.</source>
        <translation>La ficha de material del escenario no da el valor con el que se compara, así que no se puede comprobar.</translation>
    </message>
</context>
<context>
    <name>guide::Worksheet</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Choices: </source>
        <translation>Opciones: </translation>
    </message>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Tu respuesta</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Valor medido</translation>
    </message>
    <message>
        <source>The worksheet could not be written to %1: %2</source>
        <translation>No se ha podido guardar la hoja de trabajo en %1: %2</translation>
    </message>
</context>
<context>
    <name>lab::ChartSummary</name>
    <message>
        <source>Horizontal axis</source>
        <translation>Eje horizontal</translation>
    </message>
    <message>
        <source>Vertical axis</source>
        <translation>Eje vertical</translation>
    </message>
    <message>
        <source>%1: %2 to %3</source>
        <comment>axis: range</comment>
        <translation>%1: de %2 a %3</translation>
    </message>
    <message>
        <source>%1: no values yet</source>
        <translation>%1: aún sin valores</translation>
    </message>
    <message>
        <source>%1: %2 at %3</source>
        <comment>series: y at x</comment>
        <translation>%1: %2 en %3</translation>
    </message>
    <message>
        <source>%1: %2 points</source>
        <translation>%1: %2 puntos</translation>
    </message>
    <message>
        <source>%1: %2 throughout</source>
        <translation>%1: %2 en todo momento</translation>
    </message>
    <message>
        <source>%1: latest %2 at %3</source>
        <comment>series: latest y at x</comment>
        <translation>%1: último valor %2 en %3</translation>
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
        <translation>Laboratorio</translation>
    </message>
    <message>
        <source>Phase dia&amp;gram</source>
        <translation>Dia&amp;grama de fases</translation>
    </message>
    <message>
        <source>&amp;Save CSV…</source>
        <translation>Guardar CS&amp;V…</translation>
    </message>
    <message>
        <source>Save every recorded sample as a table: one row per sample, a header row with units</source>
        <translation>Guardar todas las muestras registradas como tabla: una fila por muestra y una fila de encabezado con las unidades</translation>
    </message>
    <message>
        <source>&amp;Units </source>
        <translation>&amp;Unidades </translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Unidad de temperatura</translation>
    </message>
    <message>
        <source>The unit of every temperature, here and in the status bar</source>
        <translation>La unidad de todas las temperaturas, aquí y en la barra de estado</translation>
    </message>
    <message>
        <source> &amp;Pressure </source>
        <translation> &amp;Presión </translation>
    </message>
    <message>
        <source>Pressure unit</source>
        <translation>Unidad de presión</translation>
    </message>
    <message>
        <source>The unit of the wall pressure: kilopascal or standard atmosphere (%1 kPa)</source>
        <translation>La unidad de la presión en las paredes: kilopascal o atmósfera estándar (%1 kPa)</translation>
    </message>
    <message>
        <source>%1 cannot be written: the folder is missing or not writable, or the disk is full.</source>
        <translation>No se puede escribir %1: la carpeta no existe o no admite escritura, o el disco está lleno.</translation>
    </message>
    <message>
        <source>Save the recorded series</source>
        <translation>Guardar las series registradas</translation>
    </message>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation>Tablas CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>lab::MaterialsPanel</name>
    <message>
        <source>Substance</source>
        <translation>Sustancia</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>The chemical element the atoms stand for</source>
        <translation>El elemento químico que representan los átomos</translation>
    </message>
    <message>
        <source>Melts</source>
        <translation>Fusión</translation>
    </message>
    <message>
        <source>The real melting point</source>
        <translation>El punto de fusión real</translation>
    </message>
    <message>
        <source>Boils</source>
        <translation>Ebullición</translation>
    </message>
    <message>
        <source>The real boiling point</source>
        <translation>El punto de ebullición real</translation>
    </message>
    <message>
        <source>Model melts</source>
        <translation>Fusión (modelo)</translation>
    </message>
    <message>
        <source>The melting point measured on the model</source>
        <translation>El punto de fusión medido en el modelo</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Fuente: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>caption: value</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Materials</source>
        <translation>Materiales</translation>
    </message>
    <message>
        <source>The real length of the model&apos;s unit of length</source>
        <translation>La longitud real de la unidad de longitud del modelo</translation>
    </message>
    <message>
        <source>The real mass of the model&apos;s unit of mass</source>
        <translation>La masa real de la unidad de masa del modelo</translation>
    </message>
    <message>
        <source>The real time one step of the simulation lasts</source>
        <translation>El tiempo real que dura un paso de la simulación</translation>
    </message>
    <message>
        <source>Length unit</source>
        <translation>Unidad de longitud</translation>
    </message>
    <message>
        <source>Mass unit</source>
        <translation>Unidad de masa</translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Paso de tiempo</translation>
    </message>
    <message>
        <source>No material card: model units</source>
        <translation>Sin ficha de material: unidades del modelo</translation>
    </message>
    <message>
        <source>The material card was refused: model units</source>
        <translation>Ficha de material rechazada: unidades del modelo</translation>
    </message>
    <message>
        <source>The scenario has no card beside it that names its substances, so it runs in model units</source>
        <translation>El escenario no tiene junto a él ninguna ficha que nombre sus sustancias, así que funciona en unidades del modelo</translation>
    </message>
</context>
<context>
    <name>lab::PhaseDiagram</name>
    <message>
        <source>Your state point</source>
        <translation>Tu punto de estado</translation>
    </message>
    <message>
        <source>Phase diagram of %1</source>
        <translation>Diagrama de fases: %1</translation>
    </message>
    <message>
        <source>temperature against density</source>
        <translation>temperatura frente a densidad</translation>
    </message>
    <message>
        <source>Each state point of the map by its density and temperature; your state point marked large</source>
        <translation>Cada punto de estado del mapa según su densidad y su temperatura; tu punto de estado, marcado en grande</translation>
    </message>
    <message>
        <source>pressure against temperature</source>
        <translation>presión frente a temperatura</translation>
    </message>
    <message>
        <source>Each state point of the map by its temperature and pressure on the walls, pressure on a logarithmic axis; the real triple and critical points marked</source>
        <translation>Cada punto de estado del mapa según su temperatura y la presión sobre las paredes, con la presión en un eje logarítmico; marcados, el punto triple y el punto crítico reales</translation>
    </message>
    <message>
        <source>%1 measured on the model</source>
        <translation>%1: medidas en el modelo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>material: chart</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Density (%1)</source>
        <translation>Densidad (%1)</translation>
    </message>
    <message>
        <source>real triple point</source>
        <translation>punto triple real</translation>
    </message>
    <message>
        <source>real critical point</source>
        <translation>punto crítico real</translation>
    </message>
    <message>
        <source>Measured on the model: each mark is a state the model of %1 was held at, shaped and coloured by the phases found there. </source>
        <translation>Medido en el modelo: cada marca es un estado en el que se mantuvo el modelo de %1, con la forma y el color de las fases que se encontraron en él. </translation>
    </message>
    <message>
        <source>%1 of its %2 state points, where the walls felt no push, are not on the pressure chart. </source>
        <translation>%1 de sus %2 puntos de estado, en los que las paredes no recibieron ningún empuje, no aparecen en la gráfica de presión. </translation>
    </message>
    <message>
        <source>Hollow marks and dashed lines: the real substance, from the material card.</source>
        <translation>Marcas huecas y líneas discontinuas: la sustancia real, según la ficha de material.</translation>
    </message>
    <message>
        <source>The material card gives no triple or critical point of the real substance.</source>
        <translation>La ficha de material no da el punto triple ni el punto crítico de la sustancia real.</translation>
    </message>
    <message>
        <source>Temperature (%1)</source>
        <translation>Temperatura (%1)</translation>
    </message>
    <message>
        <source>Pressure on the walls (%1)</source>
        <translation>Presión sobre las paredes (%1)</translation>
    </message>
    <message>
        <source>Your state point: not measured yet</source>
        <translation>Tu punto de estado: aún sin medir</translation>
    </message>
    <message>
        <source>pressure not measured yet</source>
        <translation>presión aún sin medir</translation>
    </message>
    <message>
        <source>Your state point: %1 %2, %3 %4, %5</source>
        <translation>Tu punto de estado: %1 %2, %3 %4, %5</translation>
    </message>
</context>
<context>
    <name>lab::PhaseDiagramTab</name>
    <message>
        <source>Phase diagram</source>
        <translation>Diagrama de fases</translation>
    </message>
    <message>
        <source>The phases measured on the model of each material at many temperatures and densities, with your own state point and the real substance&apos;s triple and critical points</source>
        <translation>Las fases medidas en el modelo de cada material a muchas temperaturas y densidades, con tu propio punto de estado y los puntos triple y crítico de la sustancia real</translation>
    </message>
    <message>
        <source>No scenario runs yet.</source>
        <translation>Todavía no se está ejecutando ningún escenario.</translation>
    </message>
    <message>
        <source>Material of the phase diagram</source>
        <translation>Material del diagrama de fases</translation>
    </message>
    <message>
        <source>Chooses which material&apos;s phase diagram is shown</source>
        <translation>Elige de qué material se muestra el diagrama de fases</translation>
    </message>
    <message>
        <source>This scenario has no material card, so the Lab cannot tell which substance its atoms stand for, nor whose phase map to show. A card beside the scenario file (X.card beside X.ams) names its substances.</source>
        <translation>Este escenario no tiene ficha de material, así que el laboratorio no puede saber qué sustancia representan sus átomos ni qué mapa de fases debe mostrar. Una ficha junto al archivo del escenario (X.card junto a X.ams) nombra sus sustancias.</translation>
    </message>
    <message>
        <source>With several materials in the box, the density is this material&apos;s own and the pressure the whole box&apos;s, which all of them share</source>
        <translation>Con varios materiales en la caja, la densidad es la de este material y la presión es la de toda la caja, común a todos ellos</translation>
    </message>
    <message>
        <source>No phase map has been looked up for %1.</source>
        <translation>No se ha buscado ningún mapa de fases para %1.</translation>
    </message>
</context>
<context>
    <name>lab::PhaseLegend</name>
    <message>
        <source>Legend</source>
        <translation>Leyenda</translation>
    </message>
</context>
<context>
    <name>lab::PhaseMapSource</name>
    <message>
        <source>No phase map has been measured on the model for %1.</source>
        <translation>No se ha medido en el modelo ningún mapa de fases para %1.</translation>
    </message>
    <message>
        <source>The phase map found for %1 is the map of %2.</source>
        <translation>El mapa de fases encontrado para %1 es el mapa de %2.</translation>
    </message>
    <message>
        <source>The phase map of %1 holds no state points yet.</source>
        <translation>El mapa de fases de %1 aún no contiene puntos de estado.</translation>
    </message>
    <message>
        <source>The phase map of %1 cannot be read: %2</source>
        <translation>No se puede leer el mapa de fases de %1: %2</translation>
    </message>
</context>
<context>
    <name>lab::PhaseWatch</name>
    <message>
        <source>Phase change: %1 is now %2 (was %3).</source>
        <translation>Cambio de estado: %1 está ahora en estado %2 (antes: %3).</translation>
    </message>
</context>
<context>
    <name>lab::ReadoutPanel</name>
    <message>
        <source>Per atom, in kilojoules per mole of atoms</source>
        <translation>Por átomo, en kilojulios por mol de átomos</translation>
    </message>
    <message>
        <source>Per atom, in the model&apos;s units: the scenario has no material card</source>
        <translation>Por átomo, en unidades del modelo: el escenario no tiene ficha de material</translation>
    </message>
    <message>
        <source>Force of the walls on the atoms per area of the walls&apos; inner faces, averaged like a gauge over the last %1 steps</source>
        <translation>Fuerza de las paredes sobre los átomos por unidad de área de las caras interiores de las paredes, promediada como en un manómetro durante los últimos %1 pasos</translation>
    </message>
    <message>
        <source>Force of the walls on the atoms per area of the walls&apos; inner faces, averaged like a gauge over the last %1 steps, in the model&apos;s units: the scenario has no material card</source>
        <translation>Fuerza de las paredes sobre los átomos por unidad de área de las caras interiores de las paredes, promediada como en un manómetro durante los últimos %1 pasos, en unidades del modelo: el escenario no tiene ficha de material</translation>
    </message>
    <message>
        <source>Time steps since the scenario started, and the time they simulated</source>
        <translation>Pasos de tiempo desde que empezó el escenario y el tiempo simulado en ellos</translation>
    </message>
    <message>
        <source>Time steps since the scenario started</source>
        <translation>Pasos de tiempo desde que empezó el escenario</translation>
    </message>
    <message>
        <source>Material %1</source>
        <translation>Material %1</translation>
    </message>
    <message>
        <source>Readouts</source>
        <translation>Lecturas</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Measured: 2/3 of the mean kinetic energy per atom</source>
        <translation>Medida: 2/3 de la energía cinética media por átomo</translation>
    </message>
    <message>
        <source>Kinetic energy</source>
        <translation>Energía cinética</translation>
    </message>
    <message>
        <source>Potential energy</source>
        <translation>Energía potencial</translation>
    </message>
    <message>
        <source>Total energy</source>
        <translation>Energía total</translation>
    </message>
    <message>
        <source>Wall pressure</source>
        <translation>Presión en las paredes</translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation>Átomos</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Atoms times time steps simulated per second</source>
        <translation>Átomos multiplicados por pasos de tiempo simulados por segundo</translation>
    </message>
    <message>
        <source>not measured yet</source>
        <translation>aún sin medir</translation>
    </message>
    <message>
        <source>not told yet</source>
        <translation>aún sin determinar</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>readout: value</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 atom-steps/s</source>
        <translation>%1 átomos·paso/s</translation>
    </message>
    <message>
        <source>Phase from how far the atoms move over 1,000 steps and how many neighbours they keep</source>
        <translation>Estado de agregación según cuánto se desplazan los átomos en 1000 pasos y cuántos vecinos conservan</translation>
    </message>
</context>
<context>
    <name>lab::SeriesCharts</name>
    <message>
        <source>Temperature (%1)</source>
        <translation>Temperatura (%1)</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>pasos</translation>
    </message>
    <message>
        <source>Graphs</source>
        <translation>Gráficas</translation>
    </message>
    <message>
        <source>&amp;Temperature</source>
        <translation>&amp;Temperatura</translation>
    </message>
    <message>
        <source>Temperature graph</source>
        <translation>Gráfica de temperatura</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Medida</translation>
    </message>
    <message>
        <source>Thermostat</source>
        <translation>Termostato</translation>
    </message>
    <message>
        <source>&amp;Energy</source>
        <translation>&amp;Energía</translation>
    </message>
    <message>
        <source>Energy graph</source>
        <translation>Gráfica de energía</translation>
    </message>
    <message>
        <source>Kinetic</source>
        <translation>Cinética</translation>
    </message>
    <message>
        <source>Potential</source>
        <translation>Potencial</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>&amp;Wall pressure</source>
        <translation>Presión en las pare&amp;des</translation>
    </message>
    <message>
        <source>Wall pressure graph</source>
        <translation>Gráfica de la presión en las paredes</translation>
    </message>
    <message>
        <source>On the walls</source>
        <translation>En las paredes</translation>
    </message>
    <message>
        <source>Heating &amp;curve</source>
        <translation>&amp;Curva de calentamiento</translation>
    </message>
    <message>
        <source>Heating curve graph</source>
        <translation>Gráfica de la curva de calentamiento</translation>
    </message>
    <message>
        <source>Measured temperature during the ramp</source>
        <translation>Temperatura medida durante la rampa</translation>
    </message>
    <message>
        <source>Energy per atom (%1)</source>
        <translation>Energía por átomo (%1)</translation>
    </message>
    <message>
        <source>Wall pressure (%1)</source>
        <translation>Presión en las paredes (%1)</translation>
    </message>
    <message>
        <source>Total energy per atom (%1)</source>
        <translation>Energía total por átomo (%1)</translation>
    </message>
</context>
<context>
    <name>lab::ThermostatPanel</name>
    <message>
        <source>Thermostat</source>
        <translation>Termostato</translation>
    </message>
    <message>
        <source>&amp;Hold</source>
        <translation>&amp;Mantener</translation>
    </message>
    <message>
        <source>Hold the atoms at this temperature, whatever the season or the time of day. Off: the scenario&apos;s own temperature.</source>
        <translation>Mantener los átomos a esta temperatura, sea cual sea la estación o la hora del día. Desactivado: la temperatura propia del escenario.</translation>
    </message>
    <message>
        <source>&amp;Follow the ambient temperature</source>
        <translation>&amp;Seguir la temperatura ambiente</translation>
    </message>
    <message>
        <source>Every change of season or time of day moves the thermostat to the ambient temperature.</source>
        <translation>Cada cambio de estación o de hora del día lleva el termostato a la temperatura ambiente.</translation>
    </message>
    <message>
        <source>R&amp;amp to</source>
        <translation>R&amp;ampa hasta</translation>
    </message>
    <message>
        <source> steps</source>
        <translation> pasos</translation>
    </message>
    <message>
        <source>Ramp length in steps</source>
        <translation>Duración de la rampa en pasos</translation>
    </message>
    <message>
        <source>How many time steps the ramp takes to reach its temperature</source>
        <translation>Cuántos pasos de tiempo tarda la rampa en alcanzar su temperatura</translation>
    </message>
    <message>
        <source>&amp;Ramp</source>
        <translation>&amp;Rampa</translation>
    </message>
    <message>
        <source>Move the thermostat steadily to this temperature and plot the heating curve</source>
        <translation>Llevar el termostato poco a poco hasta esta temperatura y trazar la curva de calentamiento</translation>
    </message>
    <message>
        <source>&amp;Insulated: no heat in or out</source>
        <translation>A&amp;islado: no entra ni sale calor</translation>
    </message>
    <message>
        <source>No thermostat and no clamp: the atoms keep their total energy, so a liquid that evaporates cools down.</source>
        <translation>Sin termostato ni fijación de la temperatura: los átomos conservan su energía total, así que un líquido que se evapora se enfría.</translation>
    </message>
    <message>
        <source>The temperature the atoms are held at: from %1 to %2.</source>
        <translation>La temperatura a la que se mantienen los átomos: de %1 a %2.</translation>
    </message>
    <message>
        <source>Thermostat temperature, in tenths of %1</source>
        <translation>Temperatura del termostato, en décimas de %1</translation>
    </message>
    <message>
        <source>Thermostat temperature in %1</source>
        <translation>Temperatura del termostato en %1</translation>
    </message>
    <message>
        <source>Ramp to temperature in %1</source>
        <translation>Temperatura final de la rampa en %1</translation>
    </message>
    <message>
        <source>Stop &amp;ramp</source>
        <translation>Detener la &amp;rampa</translation>
    </message>
</context>
<context>
    <name>lab::VolumePanel</name>
    <message>
        <source>Volume and pressure</source>
        <translation>Volumen y presión</translation>
    </message>
    <message>
        <source>Box height in per cent</source>
        <translation>Altura de la caja en porcentaje</translation>
    </message>
    <message>
        <source>&amp;Box height</source>
        <translation>A&amp;ltura de la caja</translation>
    </message>
    <message>
        <source>H&amp;old pressure</source>
        <translation>Ma&amp;ntener la presión</translation>
    </message>
    <message>
        <source>Hold pressure</source>
        <translation>Mantener la presión</translation>
    </message>
    <message>
        <source>Move the lid by itself to keep the pressure on it at this value: slowly, after each reading of its gauge (the lid feels the gas or vapour above a liquid, not the liquid&apos;s weight). Off: the lid stays where it is.</source>
        <translation>Mover la tapa automáticamente para mantener la presión sobre ella en este valor: despacio, tras cada lectura de su manómetro (la tapa nota el gas o el vapor que hay sobre un líquido, no el peso del líquido). Desactivado: la tapa se queda donde está.</translation>
    </message>
    <message>
        <source>Pressure to hold</source>
        <translation>Presión que mantener</translation>
    </message>
    <message>
        <source>The pressure on the lid to hold, in %1</source>
        <translation>La presión sobre la tapa que se debe mantener, en %1</translation>
    </message>
    <message>
        <source>Pressure to hold in %1</source>
        <translation>Presión que mantener en %1</translation>
    </message>
    <message>
        <source>Lid at the file&apos;s box (100 %)</source>
        <translation>Tapa en la caja del archivo (100 %)</translation>
    </message>
    <message>
        <source>Lid at %1 %</source>
        <translation>Tapa al %1 %</translation>
    </message>
    <message>
        <source>Lid at %1 %: waiting</source>
        <translation>Tapa al %1 %: en espera</translation>
    </message>
    <message>
        <source>Lid at %1 %, moving to %2 %</source>
        <translation>Tapa al %1 %, moviéndose al %2 %</translation>
    </message>
    <message>
        <source>%1; on the lid %2</source>
        <comment>where the lid stands; the pressure on it</comment>
        <translation>%1; sobre la tapa, %2</translation>
    </message>
    <message>
        <source>The height of the box, in per cent of the scenario file&apos;s box: the lid (the top of the box) moves down to compress the atoms and back up to let them expand, from 100 % down to %1 %. It moves slowly, at a pace at which the soft wall pushes the atoms ahead of it, and never pushes an atom deep into its wall.</source>
        <translation>La altura de la caja, en porcentaje de la caja del archivo de escenario: la tapa (la parte superior de la caja) baja para comprimir los átomos y vuelve a subir para dejar que se expandan, desde el 100 % hasta el %1 %. Se mueve despacio, a un ritmo al que la pared blanda empuja los átomos por delante de ella, y nunca hunde un átomo en su pared.</translation>
    </message>
</context>
<context>
    <name>lab::units</name>
    <message>
        <source>model units</source>
        <translation>unidades del modelo</translation>
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
        <translation>Hacia el cero absoluto</translation>
    </message>
    <message>
        <source>Cool water down toward 0 K and watch what happens to the motion of its particles.</source>
        <translation>Enfría agua hasta acercarla a 0 K y observa qué le ocurre al movimiento de sus partículas.</translation>
    </message>
    <message>
        <source>Water at room temperature</source>
        <translation>Agua a temperatura ambiente</translation>
    </message>
    <message>
        <source>Here is water at room temperature, 296 K. Its particles slide past each other.</source>
        <translation>Aquí tienes agua a temperatura ambiente, 296 K. Sus partículas se deslizan unas sobre otras.</translation>
    </message>
    <message>
        <source>Let the water run for a few seconds, then measure again.</source>
        <translation>Deja que la simulación del agua avance unos segundos y vuelve a medir.</translation>
    </message>
    <message>
        <source>Very cold</source>
        <translation>Mucho frío</translation>
    </message>
    <message>
        <source>The thermostat now cools the water to 100 K (−173 °C). Watch the temperature graph in the Lab fall.</source>
        <translation>Ahora el termostato enfría el agua hasta 100 K (−173 °C). Observa cómo baja la gráfica de temperatura en el laboratorio.</translation>
    </message>
    <message>
        <source>Wait until the temperature graph has levelled out at 100 K, then measure again.</source>
        <translation>Espera a que la gráfica de temperatura se estabilice en 100 K y vuelve a medir.</translation>
    </message>
    <message>
        <source>They slide past each other faster</source>
        <translation>Se deslizan entre sí más deprisa</translation>
    </message>
    <message>
        <source>They hardly move from their places</source>
        <translation>Apenas se mueven de su sitio</translation>
    </message>
    <message>
        <source>They fly apart</source>
        <translation>Se separan y salen volando</translation>
    </message>
    <message>
        <source>How do the particles move now?</source>
        <translation>¿Cómo se mueven ahora las partículas?</translation>
    </message>
    <message>
        <source>Look at the share of moving particles you measured.</source>
        <translation>Fíjate en el valor que has medido de la proporción de partículas que se desplazan.</translation>
    </message>
    <message>
        <source>Almost absolute zero</source>
        <translation>Casi en el cero absoluto</translation>
    </message>
    <message>
        <source>Now the thermostat goes down to 1 K, almost as cold as anything can be.</source>
        <translation>Ahora el termostato baja hasta 1 K, casi la temperatura más baja que puede existir.</translation>
    </message>
    <message>
        <source>Wait until the temperature graph has levelled out near 0 K, then measure again.</source>
        <translation>Espera a que la gráfica de temperatura se estabilice cerca de 0 K y vuelve a medir.</translation>
    </message>
    <message>
        <source>The particles almost stop</source>
        <translation>Las partículas casi se detienen</translation>
    </message>
    <message>
        <source>The particles keep moving as fast as before</source>
        <translation>Las partículas se siguen moviendo tan deprisa como antes</translation>
    </message>
    <message>
        <source>The particles turn into a gas</source>
        <translation>Las partículas se convierten en gas</translation>
    </message>
    <message>
        <source>What happens to the particles as the temperature comes close to 0 K?</source>
        <translation>¿Qué les ocurre a las partículas cuando la temperatura se acerca a 0 K?</translation>
    </message>
    <message>
        <source>Temperature measures how fast the particles move.</source>
        <translation>La temperatura es una medida de lo deprisa que se mueven las partículas.</translation>
    </message>
    <message>
        <source>Below zero?</source>
        <translation>¿Por debajo de cero?</translation>
    </message>
    <message>
        <source>Try to move the Lab&apos;s thermostat below 0 K.</source>
        <translation>Intenta poner el termostato del laboratorio por debajo de 0 K.</translation>
    </message>
    <message>
        <source>Yes, the thermostat goes below 0 K</source>
        <translation>Sí, el termostato baja de 0 K</translation>
    </message>
    <message>
        <source>No, 0 K is the lowest there is</source>
        <translation>No, 0 K es la temperatura más baja que existe</translation>
    </message>
    <message>
        <source>Can anything be colder than 0 K?</source>
        <translation>¿Puede algo estar más frío que 0 K?</translation>
    </message>
    <message>
        <source>At 0 K the particles would not move at all: can they move less than that?</source>
        <translation>A 0 K las partículas no se moverían nada: ¿pueden moverse menos que eso?</translation>
    </message>
    <message>
        <source>The boiling range</source>
        <translation>El intervalo de ebullición</translation>
    </message>
    <message>
        <source>Heat water in a closed box and follow how much of it turns to vapour.</source>
        <translation>Calienta agua en una caja cerrada y sigue qué parte de ella se convierte en vapor.</translation>
    </message>
    <message>
        <source>Here is water at room temperature (296 K, 23 °C) in a closed box. Gravity holds the liquid at the bottom.</source>
        <translation>Aquí tienes agua a temperatura ambiente (296 K, 23 °C) en una caja cerrada. La gravedad mantiene el líquido en el fondo.</translation>
    </message>
    <message>
        <source>Even now a few molecules have escaped from the liquid: they fly about above it as vapour.</source>
        <translation>Incluso ahora algunas moléculas han escapado del líquido: se mueven en todas direcciones por encima de él en forma de vapor.</translation>
    </message>
    <message>
        <source>Let the water settle for a few seconds at 296 K, then measure again.</source>
        <translation>Deja que el agua se estabilice unos segundos a 296 K y vuelve a medir.</translation>
    </message>
    <message>
        <source>At 100 °C</source>
        <translation>A 100 °C</translation>
    </message>
    <message>
        <source>Real water boils at 373 K (100 °C) under the air&apos;s pressure. The thermostat now holds the water there.</source>
        <translation>El agua real hierve a 373 K (100 °C) a la presión del aire. Ahora el termostato mantiene el agua a esa temperatura.</translation>
    </message>
    <message>
        <source>Wait until the temperature in the Lab has settled at 373 K for a few seconds, then measure.</source>
        <translation>Espera a que la temperatura en el laboratorio lleve unos segundos estable en 373 K y después mide.</translation>
    </message>
    <message>
        <source>Give the water a few seconds at 373 K before you measure: evaporation takes time.</source>
        <translation>Deja el agua unos segundos a 373 K antes de medir: la evaporación lleva tiempo.</translation>
    </message>
    <message>
        <source>Most of it is still liquid</source>
        <translation>La mayor parte sigue siendo líquida</translation>
    </message>
    <message>
        <source>Half of it is vapour</source>
        <translation>La mitad es vapor</translation>
    </message>
    <message>
        <source>All of it is vapour</source>
        <translation>Toda es vapor</translation>
    </message>
    <message>
        <source>How much of the water has turned to vapour at 373 K?</source>
        <translation>¿Qué parte del agua se ha convertido en vapor a 373 K?</translation>
    </message>
    <message>
        <source>Compare the share of vapour you measured with 50 %.</source>
        <translation>Compara la proporción de vapor que has medido con el 50 %.</translation>
    </message>
    <message>
        <source>Hotter</source>
        <translation>Más calor</translation>
    </message>
    <message>
        <source>The thermostat now holds the water at 450 K.</source>
        <translation>Ahora el termostato mantiene el agua a 450 K.</translation>
    </message>
    <message>
        <source>Give the water a few seconds at 450 K before you measure.</source>
        <translation>Deja el agua unos segundos a 450 K antes de medir.</translation>
    </message>
    <message>
        <source>Hotter still</source>
        <translation>Aún más calor</translation>
    </message>
    <message>
        <source>And now at 650 K.</source>
        <translation>Y ahora a 650 K.</translation>
    </message>
    <message>
        <source>Give the water a few seconds at 650 K before you measure.</source>
        <translation>Deja el agua unos segundos a 650 K antes de medir.</translation>
    </message>
    <message>
        <source>Between 296 K and 373 K</source>
        <translation>Entre 296 K y 373 K</translation>
    </message>
    <message>
        <source>Between 450 K and 650 K</source>
        <translation>Entre 450 K y 650 K</translation>
    </message>
    <message>
        <source>Above 650 K</source>
        <translation>Por encima de 650 K</translation>
    </message>
    <message>
        <source>Between which of the temperatures did the water go from mostly liquid to mostly vapour?</source>
        <translation>¿Entre qué temperaturas pasó el agua de ser mayoritariamente líquida a ser mayoritariamente vapor?</translation>
    </message>
    <message>
        <source>Look at the four shares you measured: where does the share of vapour pass 50 %?</source>
        <translation>Fíjate en las cuatro proporciones que has medido: ¿dónde supera la proporción de vapor el 50 %?</translation>
    </message>
    <message>
        <source>A range, not a point</source>
        <translation>Un intervalo, no un punto</translation>
    </message>
    <message>
        <source>In a closed box the water does not boil all at once: the hotter it is, the more of it is vapour, until none is left.</source>
        <translation>En una caja cerrada el agua no hierve toda de golpe: cuanto más caliente está, mayor es la parte que es vapor, hasta que no queda nada de líquido.</translation>
    </message>
    <message>
        <source>Why does real water in a pan boil at one temperature, while the water in the box turned to vapour over a range?</source>
        <translation>¿Por qué el agua real de una cazuela hierve a una sola temperatura, mientras que el agua de la caja se ha convertido en vapor a lo largo de un intervalo de temperaturas?</translation>
    </message>
    <message>
        <source>Pressure and volume (Boyle&apos;s law)</source>
        <translation>Presión y volumen (ley de Boyle)</translation>
    </message>
    <message>
        <source>Squeeze air with the lid of the box and see how its pressure changes with its volume.</source>
        <translation>Comprime aire con la tapa de la caja y observa cómo cambia su presión con su volumen.</translation>
    </message>
    <message>
        <source>Air in a box</source>
        <translation>Aire en una caja</translation>
    </message>
    <message>
        <source>Here is air (nitrogen) at room temperature in a closed box. Its molecules fly about and bounce off the walls. Every bounce pushes the wall: together the pushes are the pressure of the gas.</source>
        <translation>Aquí tienes aire (nitrógeno) a temperatura ambiente en una caja cerrada. Sus moléculas se mueven en todas direcciones y rebotan en las paredes. Cada rebote empuja la pared: todos los empujes juntos son la presión del gas.</translation>
    </message>
    <message>
        <source>The walls are soft: each pushes a molecule back only within a thin skin. The volume of the gas is the room inside the skins, where the molecules fly freely.</source>
        <translation>Las paredes son blandas: cada una solo hace retroceder a una molécula dentro de una fina capa. El volumen del gas es el espacio que queda dentro de esas capas, donde las moléculas se mueven libremente.</translation>
    </message>
    <message>
        <source>What is the pressure of the gas? Read it in the Lab (Wall pressure, in kPa).</source>
        <translation>¿Cuál es la presión del gas? Léela en el laboratorio (Presión en las paredes, en kPa).</translation>
    </message>
    <message>
        <source>The Lab&apos;s readouts show the wall pressure; choose kPa as the pressure unit.</source>
        <translation>Las lecturas del laboratorio muestran la presión en las paredes; elige kPa como unidad de presión.</translation>
    </message>
    <message>
        <source>Its volume</source>
        <translation>Su volumen</translation>
    </message>
    <message>
        <source>The program measures the room inside the walls.</source>
        <translation>El programa mide el espacio que hay dentro de las paredes.</translation>
    </message>
    <message>
        <source>Half the volume</source>
        <translation>La mitad del volumen</translation>
    </message>
    <message>
        <source>The lid (the top of the box) now moves down until the gas has half the room it had. It moves slowly, so that the molecules are pushed ahead of it.</source>
        <translation>Ahora la tapa (la parte superior de la caja) baja hasta que el gas tiene la mitad del espacio que tenía. Se mueve despacio, para ir empujando las moléculas por delante de ella.</translation>
    </message>
    <message>
        <source>Wait until the lid has stopped and the pressure graph has levelled out, then measure.</source>
        <translation>Espera a que la tapa se haya detenido y la gráfica de presión se haya estabilizado, y después mide.</translation>
    </message>
    <message>
        <source>Wait until the lid has stopped and the pressure graph runs level, then measure again.</source>
        <translation>Espera a que la tapa se haya detenido y la gráfica de presión se mantenga horizontal, y vuelve a medir.</translation>
    </message>
    <message>
        <source>It about doubled</source>
        <translation>Se ha hecho aproximadamente el doble</translation>
    </message>
    <message>
        <source>It about halved</source>
        <translation>Se ha quedado aproximadamente en la mitad</translation>
    </message>
    <message>
        <source>It stayed the same</source>
        <translation>Se ha mantenido igual</translation>
    </message>
    <message>
        <source>When the volume halved, what happened to the pressure?</source>
        <translation>Al reducirse el volumen a la mitad, ¿qué le ha pasado a la presión?</translation>
    </message>
    <message>
        <source>Compare the pressure you measured now with the one in step 1.</source>
        <translation>Compara la presión que acabas de medir con la del paso 1.</translation>
    </message>
    <message>
        <source>The volume now</source>
        <translation>El volumen ahora</translation>
    </message>
    <message>
        <source>Wait until the lid has stopped, then measure again.</source>
        <translation>Espera a que la tapa se haya detenido y vuelve a medir.</translation>
    </message>
    <message>
        <source>A third of the volume</source>
        <translation>Un tercio del volumen</translation>
    </message>
    <message>
        <source>The lid moves down further, until the gas has a third of the room it had at first.</source>
        <translation>La tapa baja aún más, hasta que el gas tiene un tercio del espacio que tenía al principio.</translation>
    </message>
    <message>
        <source>About three times the first pressure</source>
        <translation>Aproximadamente el triple de la primera presión</translation>
    </message>
    <message>
        <source>About a third of the first pressure</source>
        <translation>Aproximadamente un tercio de la primera presión</translation>
    </message>
    <message>
        <source>The same as the first pressure</source>
        <translation>Igual que la primera presión</translation>
    </message>
    <message>
        <source>What is the pressure now, compared with the first one?</source>
        <translation>¿Cómo es ahora la presión comparada con la primera?</translation>
    </message>
    <message>
        <source>Divide the pressure you measured now by the one in step 1.</source>
        <translation>Divide la presión que acabas de medir entre la del paso 1.</translation>
    </message>
    <message>
        <source>Boyle&apos;s law</source>
        <translation>La ley de Boyle</translation>
    </message>
    <message>
        <source>Robert Boyle found in 1662 that, at a fixed temperature, the pressure of a gas times its volume stays the same: halve the volume and the pressure doubles.</source>
        <translation>Robert Boyle descubrió en 1662 que, a temperatura constante, el producto de la presión de un gas por su volumen se mantiene igual: si el volumen se reduce a la mitad, la presión se duplica.</translation>
    </message>
    <message>
        <source>Explain with the molecules why a gas in half the volume presses twice as hard on its walls.</source>
        <translation>Explica, pensando en las moléculas, por qué un gas en la mitad de volumen ejerce el doble de presión sobre sus paredes.</translation>
    </message>
    <message>
        <source>Evaporation and evaporative cooling</source>
        <translation>Evaporación y enfriamiento por evaporación</translation>
    </message>
    <message>
        <source>Watch molecules escape from water, and see the water cool when nothing warms it.</source>
        <translation>Observa cómo escapan moléculas del agua y cómo el agua se enfría cuando nada la calienta.</translation>
    </message>
    <message>
        <source>Water in a small box</source>
        <translation>Agua en una caja pequeña</translation>
    </message>
    <message>
        <source>Here is hot water, at 400 K (127 °C), in a closed box. The lid is down, so the water has little room above it. A few molecules escape from the liquid and fly about as vapour; as many fall back.</source>
        <translation>Aquí tienes agua caliente, a 400 K (127 °C), en una caja cerrada. La tapa está bajada, así que el agua tiene poco espacio por encima. Algunas moléculas escapan del líquido y se mueven en todas direcciones en forma de vapor; otras tantas vuelven a caer en él.</translation>
    </message>
    <message>
        <source>Wait until the lid has stopped and the water has settled, then measure again.</source>
        <translation>Espera a que la tapa se haya detenido y el agua se haya estabilizado, y vuelve a medir.</translation>
    </message>
    <message>
        <source>No more heat</source>
        <translation>Sin más calor</translation>
    </message>
    <message>
        <source>Now the thermostat is switched off: nothing heats or cools the water any more, its energy stays as it is.</source>
        <translation>Ahora el termostato está apagado: ya nada calienta ni enfría el agua, y su energía se mantiene tal como está.</translation>
    </message>
    <message>
        <source>The lid goes back up, so the vapour gets more room. Watch the water.</source>
        <translation>La tapa vuelve a subir, así que el vapor tiene más espacio. Observa el agua.</translation>
    </message>
    <message>
        <source>Wait until the lid is back at the top and a few more seconds have passed, then measure.</source>
        <translation>Espera a que la tapa haya vuelto arriba del todo y pasen unos segundos más, y después mide.</translation>
    </message>
    <message>
        <source>More molecules escape and stay in the vapour</source>
        <translation>Escapan más moléculas y se quedan en el vapor</translation>
    </message>
    <message>
        <source>The molecules stop escaping</source>
        <translation>Las moléculas dejan de escapar</translation>
    </message>
    <message>
        <source>All the water turns to vapour</source>
        <translation>Toda el agua se convierte en vapor</translation>
    </message>
    <message>
        <source>What happens when the vapour gets more room?</source>
        <translation>¿Qué ocurre cuando el vapor tiene más espacio?</translation>
    </message>
    <message>
        <source>Compare the share of vapour now with the one in step 1.</source>
        <translation>Compara la proporción de vapor de ahora con la del paso 1.</translation>
    </message>
    <message>
        <source>Colder</source>
        <translation>Más frío</translation>
    </message>
    <message>
        <source>Look at the temperature graph in the Lab: the water started at 400 K.</source>
        <translation>Mira la gráfica de temperatura en el laboratorio: el agua empezó a 400 K.</translation>
    </message>
    <message>
        <source>Wait until the lid is back at the top and the temperature graph has levelled out.</source>
        <translation>Espera a que la tapa haya vuelto arriba del todo y la gráfica de temperatura se haya estabilizado.</translation>
    </message>
    <message>
        <source>The fastest molecules escape and take their energy with them</source>
        <translation>Las moléculas más rápidas escapan y se llevan su energía</translation>
    </message>
    <message>
        <source>Heat flows out through the walls</source>
        <translation>El calor sale a través de las paredes</translation>
    </message>
    <message>
        <source>The lid cools the water</source>
        <translation>La tapa enfría el agua</translation>
    </message>
    <message>
        <source>Nothing cooled the water from outside, yet it got colder. Why?</source>
        <translation>Nada ha enfriado el agua desde fuera y, sin embargo, se ha enfriado. ¿Por qué?</translation>
    </message>
    <message>
        <source>Only a molecule moving fast enough can pull free of its neighbours.</source>
        <translation>Solo una molécula que se mueva lo bastante deprisa puede soltarse de sus vecinas.</translation>
    </message>
    <message>
        <source>Sweat</source>
        <translation>El sudor</translation>
    </message>
    <message>
        <source>Your skin cools when sweat evaporates from it.</source>
        <translation>Tu piel se enfría cuando el sudor se evapora de ella.</translation>
    </message>
    <message>
        <source>Explain why sweating cools you down, using what you saw.</source>
        <translation>Explica, con lo que has visto, por qué sudar te refresca.</translation>
    </message>
    <message>
        <source>The heating curve and latent heat</source>
        <translation>La curva de calentamiento y el calor latente</translation>
    </message>
    <message>
        <source>Plot the heating curve of quartz and measure the energy it takes to melt it.</source>
        <translation>Traza la curva de calentamiento del cuarzo y mide la energía que hace falta para fundirlo.</translation>
    </message>
    <message>
        <source>The heating curve</source>
        <translation>La curva de calentamiento</translation>
    </message>
    <message>
        <source>The thermostat heats quartz steadily from 1,500 K to 2,500 K. The Lab plots the heating curve: the measured temperature against the total energy per particle.</source>
        <translation>El termostato calienta el cuarzo de forma constante desde 1500 K hasta 2500 K. El laboratorio traza la curva de calentamiento: la temperatura medida frente a la energía total por partícula.</translation>
    </message>
    <message>
        <source>Wait until the ramp has reached 2,500 K, then look at the curve.</source>
        <translation>Espera a que la rampa haya llegado a 2500 K y después observa la curva.</translation>
    </message>
    <message>
        <source>The ramp must run to the end. Press Set up again to heat the quartz again from 1,500 K.</source>
        <translation>La rampa tiene que llegar hasta el final. Pulsa Preparar de nuevo para volver a calentar el cuarzo desde 1500 K.</translation>
    </message>
    <message>
        <source>The temperature hardly rises while the energy grows</source>
        <translation>La temperatura apenas sube mientras la energía aumenta</translation>
    </message>
    <message>
        <source>The temperature rises fastest</source>
        <translation>La temperatura sube más deprisa que en el resto de la curva</translation>
    </message>
    <message>
        <source>The energy stays the same</source>
        <translation>La energía se mantiene igual</translation>
    </message>
    <message>
        <source>What happens on the flat part of the curve?</source>
        <translation>¿Qué ocurre en el tramo horizontal de la curva?</translation>
    </message>
    <message>
        <source>Along the flat part, read the temperature at its two ends, and the energy.</source>
        <translation>En el tramo horizontal, lee la temperatura en sus dos extremos, y también la energía.</translation>
    </message>
    <message>
        <source>Latent heat</source>
        <translation>Calor latente</translation>
    </message>
    <message>
        <source>On the plateau, the energy the thermostat gives goes into breaking the crystal apart, not into making the particles faster. This hidden energy is the latent heat of melting.</source>
        <translation>En el tramo horizontal, la energía que aporta el termostato se emplea en romper el cristal, no en hacer que las partículas vayan más deprisa. Esta energía oculta es el calor latente de fusión.</translation>
    </message>
    <message>
        <source>The plateau must lie on the curve: let the ramp run to 2,500 K.</source>
        <translation>El tramo horizontal tiene que aparecer en la curva: deja que la rampa llegue hasta 2500 K.</translation>
    </message>
    <message>
        <source>How much energy did the quartz take up along the plateau, per mole? Read the energy at both ends of the flat part.</source>
        <translation>¿Cuánta energía por mol ha absorbido el cuarzo a lo largo del tramo horizontal? Lee la energía en los dos extremos de ese tramo.</translation>
    </message>
    <message>
        <source>Read the total energy where the curve starts to run flat and where it climbs again, and subtract.</source>
        <translation>Lee la energía total donde la curva empieza a ser horizontal y donde vuelve a subir, y resta los dos valores.</translation>
    </message>
    <message>
        <source>Why it matters</source>
        <translation>Por qué es importante</translation>
    </message>
    <message>
        <source>Ice in a drink stays at 0 °C until it has all melted, however warm the room: the heat goes into melting it.</source>
        <translation>El hielo de una bebida se mantiene a 0 °C hasta que se ha fundido por completo, por mucho calor que haga en la habitación: el calor se emplea en fundirlo.</translation>
    </message>
    <message>
        <source>Use the heating curve to explain why a drink with ice stays cold until the ice is gone.</source>
        <translation>Usa la curva de calentamiento para explicar por qué una bebida con hielo se mantiene fría hasta que el hielo desaparece.</translation>
    </message>
    <message>
        <source>The melting point</source>
        <translation>El punto de fusión</translation>
    </message>
    <message>
        <source>Heat quartz slowly, find the temperature where it melts, and compare it with the real one.</source>
        <translation>Calienta cuarzo despacio, halla la temperatura a la que se funde y compárala con la real.</translation>
    </message>
    <message>
        <source>Solid quartz</source>
        <translation>Cuarzo sólido</translation>
    </message>
    <message>
        <source>Sand is quartz. Here is a small crystal of it at room temperature: its atoms shake about fixed places.</source>
        <translation>La arena es cuarzo. Aquí tienes un pequeño cristal de cuarzo a temperatura ambiente: sus átomos vibran en torno a posiciones fijas.</translation>
    </message>
    <message>
        <source>Quartz melts far hotter than anything in a kitchen. You will heat it with the Lab&apos;s thermostat until it melts.</source>
        <translation>El cuarzo se funde a una temperatura mucho más alta que cualquiera que se alcance en una cocina. Lo calentarás con el termostato del laboratorio hasta que se funda.</translation>
    </message>
    <message>
        <source>Let the crystal run for a few seconds at room temperature, then measure again.</source>
        <translation>Deja que la simulación del cristal avance unos segundos a temperatura ambiente y vuelve a medir.</translation>
    </message>
    <message>
        <source>Heat it slowly</source>
        <translation>Caliéntalo despacio</translation>
    </message>
    <message>
        <source>The thermostat now heats the quartz steadily from 1,500 K to 2,500 K. The Lab draws the heating curve: the temperature of the atoms against the energy they were given.</source>
        <translation>Ahora el termostato calienta el cuarzo de forma constante desde 1500 K hasta 2500 K. El laboratorio dibuja la curva de calentamiento: la temperatura de los átomos frente a la energía que han recibido.</translation>
    </message>
    <message>
        <source>While the crystal warms, the curve climbs steadily. Where it melts, the energy goes into breaking the crystal apart instead of making the atoms faster: the curve runs flat for a while. That flat stretch is the melting plateau.</source>
        <translation>Mientras el cristal se calienta, la curva sube de forma constante. Donde se funde, la energía se emplea en romper el cristal en lugar de hacer que los átomos vayan más deprisa: la curva se vuelve horizontal durante un tiempo. Ese tramo horizontal es la meseta de fusión.</translation>
    </message>
    <message>
        <source>Wait until the ramp has reached 2,500 K (the thermostat in the Lab shows it), then press Measure.</source>
        <translation>Espera a que la rampa haya llegado a 2500 K (lo indica el termostato del laboratorio) y después pulsa Medir.</translation>
    </message>
    <message>
        <source>The ramp must run to the end without a pause. Press Set up again to heat the quartz again from 1,500 K.</source>
        <translation>La rampa tiene que llegar hasta el final sin pausas. Pulsa Preparar de nuevo para volver a calentar el cuarzo desde 1500 K.</translation>
    </message>
    <message>
        <source>Read the temperature of the flat stretch off the heating curve. At what temperature does the quartz melt?</source>
        <translation>Lee en la curva de calentamiento la temperatura del tramo horizontal. ¿A qué temperatura se funde el cuarzo?</translation>
    </message>
    <message>
        <source>Find where the curve runs nearly level: read its temperature off the axis on the left (in kelvin).</source>
        <translation>Busca dónde la curva es casi horizontal y lee su temperatura en el eje de la izquierda (en kelvin).</translation>
    </message>
    <message>
        <source>Liquid quartz</source>
        <translation>Cuarzo líquido</translation>
    </message>
    <message>
        <source>The crystal has melted: its atoms now slide past each other.</source>
        <translation>El cristal se ha fundido: ahora sus átomos se deslizan unos sobre otros.</translation>
    </message>
    <message>
        <source>Real quartz melts at 1,986 K (1,713 °C). The model&apos;s atoms attract each other with a strength chosen so that the model melts near the real melting point.</source>
        <translation>El cuarzo real se funde a 1986 K (1713 °C). Los átomos del modelo se atraen con una fuerza elegida para que el modelo se funda cerca del punto de fusión real.</translation>
    </message>
    <message>
        <source>Did the ramp reach 2,500 K? If not, press Set up again on the step before.</source>
        <translation>¿Ha llegado la rampa a 2500 K? Si no, pulsa Preparar de nuevo en el paso anterior.</translation>
    </message>
    <message>
        <source>Within 5 % of it</source>
        <translation>Difiere menos de un 5 %</translation>
    </message>
    <message>
        <source>About twice as hot</source>
        <translation>Es aproximadamente el doble</translation>
    </message>
    <message>
        <source>About half as hot</source>
        <translation>Es aproximadamente la mitad</translation>
    </message>
    <message>
        <source>How does the melting point you measured compare with the real one, 1,986 K?</source>
        <translation>¿Cómo es el punto de fusión que has medido comparado con el real, 1986 K?</translation>
    </message>
    <message>
        <source>Divide your measured melting point by 1,986 K.</source>
        <translation>Divide el punto de fusión que has medido entre 1986 K.</translation>
    </message>
    <message>
        <source>The phase diagram</source>
        <translation>El diagrama de fases</translation>
    </message>
    <message>
        <source>Cool and squeeze air and follow its state on the phase diagram of nitrogen.</source>
        <translation>Enfría y comprime aire, y sigue su estado en el diagrama de fases del nitrógeno.</translation>
    </message>
    <message>
        <source>Air at room temperature</source>
        <translation>Aire a temperatura ambiente</translation>
    </message>
    <message>
        <source>The Lab&apos;s phase diagram shows, for every temperature and pressure, whether nitrogen is a solid, a liquid or a gas. The dot marks the air in the box now.</source>
        <translation>El diagrama de fases del laboratorio muestra, para cada temperatura y presión, si el nitrógeno es sólido, líquido o gas. El punto marca el estado actual del aire de la caja.</translation>
    </message>
    <message>
        <source>Let the air run for a few seconds, then measure again.</source>
        <translation>Deja que la simulación del aire avance unos segundos y vuelve a medir.</translation>
    </message>
    <message>
        <source>In the gas region</source>
        <translation>En la región del gas</translation>
    </message>
    <message>
        <source>In the liquid region</source>
        <translation>En la región del líquido</translation>
    </message>
    <message>
        <source>In the solid region</source>
        <translation>En la región del sólido</translation>
    </message>
    <message>
        <source>Where does the dot lie on the phase diagram?</source>
        <translation>¿Dónde está el punto en el diagrama de fases?</translation>
    </message>
    <message>
        <source>Read the name of the region around the dot.</source>
        <translation>Lee el nombre de la región que rodea el punto.</translation>
    </message>
    <message>
        <source>Cold and squeezed</source>
        <translation>Frío y comprimido</translation>
    </message>
    <message>
        <source>The thermostat now cools the air to 77 K (−196 °C), and the lid squeezes it into 60 % of the box. Watch the dot move on the diagram, and watch the molecules in the box.</source>
        <translation>Ahora el termostato enfría el aire hasta 77 K (−196 °C) y la tapa lo comprime hasta el 60 % de la caja. Observa cómo se mueve el punto en el diagrama y fíjate en las moléculas de la caja.</translation>
    </message>
    <message>
        <source>Wait until the lid has stopped and drops have formed, then measure.</source>
        <translation>Espera a que la tapa se haya detenido y se hayan formado gotas, y después mide.</translation>
    </message>
    <message>
        <source>Wait a little longer: the molecules need time to find each other and form a liquid.</source>
        <translation>Espera un poco más: las moléculas necesitan tiempo para encontrarse y formar un líquido.</translation>
    </message>
    <message>
        <source>Near the line between liquid and gas</source>
        <translation>Cerca de la línea entre líquido y gas</translation>
    </message>
    <message>
        <source>Deep in the gas region</source>
        <translation>Muy dentro de la región del gas</translation>
    </message>
    <message>
        <source>Where is the dot now?</source>
        <translation>¿Dónde está ahora el punto?</translation>
    </message>
    <message>
        <source>Liquid and gas side by side: on which line of the diagram can both be at once?</source>
        <translation>Líquido y gas juntos: ¿en qué línea del diagrama pueden existir los dos a la vez?</translation>
    </message>
    <message>
        <source>Colder still</source>
        <translation>Aún más frío</translation>
    </message>
    <message>
        <source>The thermostat now cools the nitrogen to 40 K, below its melting point (63 K).</source>
        <translation>Ahora el termostato enfría el nitrógeno hasta 40 K, por debajo de su punto de fusión (63 K).</translation>
    </message>
    <message>
        <source>Wait until the temperature has settled at 40 K, then measure again.</source>
        <translation>Espera a que la temperatura se estabilice en 40 K y vuelve a medir.</translation>
    </message>
    <message>
        <source>It froze: the molecules stay in their places</source>
        <translation>Se ha congelado: las moléculas se quedan en su sitio</translation>
    </message>
    <message>
        <source>It boiled away</source>
        <translation>Se ha evaporado por completo</translation>
    </message>
    <message>
        <source>Nothing changed</source>
        <translation>No ha cambiado nada</translation>
    </message>
    <message>
        <source>What happened to the liquid nitrogen?</source>
        <translation>¿Qué le ha pasado al nitrógeno líquido?</translation>
    </message>
    <message>
        <source>Compare the share of moving molecules with what a liquid has.</source>
        <translation>Compara la proporción de moléculas que se desplazan con la que tiene un líquido.</translation>
    </message>
    <message>
        <source>Reading the diagram</source>
        <translation>Interpretar el diagrama</translation>
    </message>
    <message>
        <source>Use the phase diagram to explain how you can turn a gas into a liquid without cooling it.</source>
        <translation>Usa el diagrama de fases para explicar cómo se puede convertir un gas en líquido sin enfriarlo.</translation>
    </message>
    <message>
        <source>The three states</source>
        <translation>Los tres estados</translation>
    </message>
    <message>
        <source>Visit a solid, a liquid and a gas, and describe how their particles move.</source>
        <translation>Visita un sólido, un líquido y un gas, y describe cómo se mueven sus partículas.</translation>
    </message>
    <message>
        <source>A solid: quartz</source>
        <translation>Un sólido: el cuarzo</translation>
    </message>
    <message>
        <source>Sand is made of quartz. Here are a few hundred of its atoms at room temperature (23 °C), in a box seen in perspective.</source>
        <translation>La arena está formada por cuarzo. Aquí tienes unos cientos de sus átomos a temperatura ambiente (23 °C), en una caja vista en perspectiva.</translation>
    </message>
    <message>
        <source>Watch the atoms for a while. Do they stay where they are, or do they wander about?</source>
        <translation>Observa los átomos durante un rato. ¿Se quedan donde están o se desplazan de un lado a otro?</translation>
    </message>
    <message>
        <source>They shake about fixed places</source>
        <translation>Vibran en torno a posiciones fijas</translation>
    </message>
    <message>
        <source>They slide past each other</source>
        <translation>Se deslizan entre sí</translation>
    </message>
    <message>
        <source>They fly about freely</source>
        <translation>Se mueven libremente en todas direcciones</translation>
    </message>
    <message>
        <source>How do the atoms of the solid move?</source>
        <translation>¿Cómo se mueven los átomos del sólido?</translation>
    </message>
    <message>
        <source>Look at one atom in the large view for a few seconds: does it ever leave its neighbours?</source>
        <translation>Observa un átomo en la vista ampliada durante unos segundos: ¿llega a separarse alguna vez de sus vecinos?</translation>
    </message>
    <message>
        <source>The share of moving atoms is taken over the last 1,000 steps: let the simulation run, then press Measure again.</source>
        <translation>La proporción de átomos que se desplazan se calcula con los últimos 1000 pasos: deja que la simulación avance y vuelve a pulsar Medir.</translation>
    </message>
    <message>
        <source>A liquid: water</source>
        <translation>Un líquido: el agua</translation>
    </message>
    <message>
        <source>Now water at the same temperature. Its particles attract each other just as the quartz atoms do, but less strongly.</source>
        <translation>Ahora, agua a la misma temperatura. Sus partículas se atraen igual que los átomos del cuarzo, pero con menos fuerza.</translation>
    </message>
    <message>
        <source>Watch how the particles move now.</source>
        <translation>Observa cómo se mueven ahora las partículas.</translation>
    </message>
    <message>
        <source>How do the particles of the liquid move?</source>
        <translation>¿Cómo se mueven las partículas del líquido?</translation>
    </message>
    <message>
        <source>The particles stay close together, but do they keep the same neighbours?</source>
        <translation>Las partículas siguen muy juntas, pero ¿conservan siempre las mismas vecinas?</translation>
    </message>
    <message>
        <source>Let the water run for a few seconds before you measure.</source>
        <translation>Deja que la simulación del agua avance unos segundos antes de medir.</translation>
    </message>
    <message>
        <source>A gas: nitrogen</source>
        <translation>Un gas: el nitrógeno</translation>
    </message>
    <message>
        <source>Air is mostly nitrogen. Here it is at room temperature, in a box that is tiny but still mostly empty space.</source>
        <translation>El aire es sobre todo nitrógeno. Aquí lo tienes a temperatura ambiente, en una caja diminuta que, aun así, es casi toda espacio vacío.</translation>
    </message>
    <message>
        <source>How do the molecules of the gas move?</source>
        <translation>¿Cómo se mueven las moléculas del gas?</translation>
    </message>
    <message>
        <source>Does a molecule of the gas have neighbours that it stays with?</source>
        <translation>¿Tiene una molécula del gas vecinas junto a las que permanezca?</translation>
    </message>
    <message>
        <source>Let the gas run for a few seconds before you measure.</source>
        <translation>Deja que la simulación del gas avance unos segundos antes de medir.</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Compara</translation>
    </message>
    <message>
        <source>You have seen all three states of matter, each at the same temperature.</source>
        <translation>Has visto los tres estados de la materia, todos a la misma temperatura.</translation>
    </message>
    <message>
        <source>In one sentence: how far apart are the particles in a solid, a liquid and a gas?</source>
        <translation>En una frase: ¿qué separación hay entre las partículas de un sólido, de un líquido y de un gas?</translation>
    </message>
    <message>
        <source>The energy of two atoms</source>
        <translation>La energía de dos átomos</translation>
    </message>
    <message>
        <source>Read the depth and the bond length off the energy of two water particles, and find the bond length again among the particles of the liquid.</source>
        <translation>Lee la profundidad del pozo y la longitud de enlace en la curva de energía de dos partículas de agua, y vuelve a encontrar la longitud de enlace entre las partículas del líquido.</translation>
    </message>
    <message>
        <source>The energy curve</source>
        <translation>La curva de energía</translation>
    </message>
    <message>
        <source>The Interactions window shows the energy of two water particles against their distance. Far apart they do not feel each other; closer, they attract, and the energy falls into a well; closer still, they push each other away.</source>
        <translation>La ventana Interacciones muestra la energía de dos partículas de agua frente a la distancia entre ellas. Muy separadas, no se notan la una a la otra; más cerca, se atraen y la energía cae en un pozo; más cerca todavía, se repelen.</translation>
    </message>
    <message>
        <source>How deep is the well? Read it off the energy axis (in kJ/mol), as a positive number.</source>
        <translation>¿Qué profundidad tiene el pozo? Léela en el eje de energía (en kJ/mol), como número positivo.</translation>
    </message>
    <message>
        <source>Find the lowest point of the curve and read its energy on the left axis; leave out the minus sign.</source>
        <translation>Busca el punto más bajo de la curva y lee su energía en el eje de la izquierda; no pongas el signo menos.</translation>
    </message>
    <message>
        <source>The bond length</source>
        <translation>La longitud de enlace</translation>
    </message>
    <message>
        <source>The distance at the bottom of the well is where two particles would rest: the bond length.</source>
        <translation>La distancia en el fondo del pozo es aquella a la que dos partículas quedarían en reposo: la longitud de enlace.</translation>
    </message>
    <message>
        <source>At what distance is the bottom of the well? Read it off the distance axis (in ångström).</source>
        <translation>¿A qué distancia está el fondo del pozo? Léela en el eje de distancias (en ángstroms).</translation>
    </message>
    <message>
        <source>Find the lowest point of the curve and read its distance on the bottom axis.</source>
        <translation>Busca el punto más bajo de la curva y lee su distancia en el eje inferior.</translation>
    </message>
    <message>
        <source>Neighbours in the liquid</source>
        <translation>Partículas vecinas en el líquido</translation>
    </message>
    <message>
        <source>The same window shows how often pairs of particles in the liquid lie at each distance right now: the peaks are the shells of neighbours around a particle.</source>
        <translation>La misma ventana muestra con qué frecuencia se encuentran ahora mismo los pares de partículas del líquido a cada distancia: los picos son las capas de vecinas que rodean a una partícula.</translation>
    </message>
    <message>
        <source>Let the liquid run for a moment, then measure again.</source>
        <translation>Deja que la simulación del líquido avance un momento y vuelve a medir.</translation>
    </message>
    <message>
        <source>Close to the bottom of the well</source>
        <translation>Cerca del fondo del pozo</translation>
    </message>
    <message>
        <source>Much farther than the bottom of the well</source>
        <translation>Mucho más lejos que el fondo del pozo</translation>
    </message>
    <message>
        <source>Much closer than the bottom of the well</source>
        <translation>Mucho más cerca que el fondo del pozo</translation>
    </message>
    <message>
        <source>Where is the highest peak of the distances, compared with the bottom of the well?</source>
        <translation>¿Dónde está el pico más alto de las distancias, comparado con el fondo del pozo?</translation>
    </message>
    <message>
        <source>Compare the distance of the highest peak with the bond length you read in step 2.</source>
        <translation>Compara la distancia del pico más alto con la longitud de enlace que has leído en el paso 2.</translation>
    </message>
</context>
<context>
    <name>material</name>
    <message>
        <source>nitrogen</source>
        <translation>nitrógeno</translation>
    </message>
    <message>
        <source>oxygen</source>
        <translation>oxígeno</translation>
    </message>
    <message>
        <source>quartz</source>
        <translation>cuarzo</translation>
    </message>
    <message>
        <source>water</source>
        <translation>agua</translation>
    </message>
</context>
<context>
    <name>phase</name>
    <message>
        <source>solid</source>
        <translation>sólido</translation>
    </message>
    <message>
        <source>liquid</source>
        <translation>líquido</translation>
    </message>
    <message>
        <source>gas</source>
        <translation>gas</translation>
    </message>
    <message>
        <source>supercooled liquid</source>
        <translation>líquido subenfriado</translation>
    </message>
    <message>
        <source>solid and liquid</source>
        <translation>sólido y líquido</translation>
    </message>
    <message>
        <source>liquid and gas</source>
        <translation>líquido y gas</translation>
    </message>
    <message>
        <source>solid and gas</source>
        <translation>sólido y gas</translation>
    </message>
</context>
<context>
    <name>scene</name>
    <message>
        <source>%1
and %2</source>
        <translation>%1
y %2</translation>
    </message>
</context>
<context>
    <name>scene::AtomViewAccessible</name>
    <message>
        <source>Atoms</source>
        <translation>Átomos</translation>
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
        <translation>Pasar al control siguiente</translation>
    </message>
    <message>
        <source>Move to the previous control</source>
        <translation>Pasar al control anterior</translation>
    </message>
    <message>
        <source>On a place in the landscape: load its simulation</source>
        <translation>En un lugar del paisaje: cargar su simulación</translation>
    </message>
    <message>
        <source>On the atom view: open the large view</source>
        <translation>En la vista de átomos: abrir la vista ampliada</translation>
    </message>
    <message>
        <source>On the season bar: summer or winter</source>
        <translation>En la barra de la estación: verano o invierno</translation>
    </message>
    <message>
        <source>On the time-of-day bar: earlier or later in the day</source>
        <translation>En la barra de la hora del día: más temprano o más tarde</translation>
    </message>
    <message>
        <source>In the large view: turn the box left or right</source>
        <translation>En la vista ampliada: girar la caja a la izquierda o a la derecha</translation>
    </message>
    <message>
        <source>In the large view: tip the box up or down</source>
        <translation>En la vista ampliada: inclinar la caja hacia arriba o hacia abajo</translation>
    </message>
    <message>
        <source>In the large view: colour the atoms by speed, or by material</source>
        <translation>En la vista ampliada: colorear los átomos según la velocidad o según el material</translation>
    </message>
    <message>
        <source>In the large view: full screen, or back</source>
        <translation>En la vista ampliada: pantalla completa, o volver</translation>
    </message>
    <message>
        <source>In the large view: export the picture</source>
        <translation>En la vista ampliada: exportar la imagen</translation>
    </message>
    <message>
        <source>Close a menu or a dialog</source>
        <translation>Cerrar un menú o un cuadro de diálogo</translation>
    </message>
    <message>
        <source>In the large view: zoom in or out</source>
        <translation>En la vista ampliada: acercar o alejar</translation>
    </message>
    <message>
        <source>In the large view: back to the front view</source>
        <translation>En la vista ampliada: volver a la vista frontal</translation>
    </message>
</context>
<context>
    <name>scene::PictureBox</name>
    <message>
        <source>The picture file %1 is missing or is not a picture that can be read.</source>
        <translation>El archivo de imagen %1 no existe o no es una imagen que se pueda leer.</translation>
    </message>
</context>
<context>
    <name>scene::ThermometerAccessible</name>
    <message>
        <source>Thermometer</source>
        <translation>Termómetro</translation>
    </message>
</context>
<context>
    <name>views::AtomColour</name>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>violeta</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cian</translation>
    </message>
    <message>
        <source>type %1</source>
        <translation>tipo %1</translation>
    </message>
</context>
<context>
    <name>views::InteractionsWindow</name>
    <message>
        <source>Interactions</source>
        <translation>Interacciones</translation>
    </message>
    <message>
        <source>Pairs of materials</source>
        <translation>Pares de materiales</translation>
    </message>
    <message>
        <source>The curve is the energy of two atoms at distance r; the green line shows how often the atoms keep each distance now, against an even spread through the box (1).</source>
        <translation>La curva es la energía de dos átomos a la distancia r; la línea verde muestra con qué frecuencia se encuentran ahora los átomos a cada distancia, comparada con un reparto uniforme por toda la caja (1).</translation>
    </message>
    <message>
        <source>Pair energy and distances of %1</source>
        <translation>Energía de par y distancias de %1</translation>
    </message>
    <message>
        <source>%1 atoms</source>
        <translation>Átomos %1</translation>
    </message>
</context>
<context>
    <name>views::LargeView</name>
    <message>
        <source>speed, %1</source>
        <translation>velocidad, %1</translation>
    </message>
    <message>
        <source>The box cannot be shown:
%1</source>
        <translation>No se puede mostrar la caja:
%1</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>Atoms shown: %1</source>
        <translation>Átomos mostrados: %1</translation>
    </message>
    <message>
        <source>Seen from the front.</source>
        <translation>Caja vista de frente.</translation>
    </message>
    <message>
        <source>Turned %1° to the right.</source>
        <translation>Caja girada %1° a la derecha.</translation>
    </message>
    <message>
        <source>Turned %1° to the left.</source>
        <translation>Caja girada %1° a la izquierda.</translation>
    </message>
    <message>
        <source>Tipped %1° toward you.</source>
        <translation>Caja inclinada %1° hacia el observador.</translation>
    </message>
    <message>
        <source>Tipped %1° away from you.</source>
        <translation>Caja inclinada %1° en sentido contrario al observador.</translation>
    </message>
    <message>
        <source>Shown %1 times as large as at first.</source>
        <translation>Tamaño: %1 veces el inicial.</translation>
    </message>
    <message>
        <source>Coloured by material.</source>
        <translation>Átomos coloreados según el material.</translation>
    </message>
    <message>
        <source>Coloured by speed, from blue for the slowest (%1) through grey to yellow for the fastest (%2).</source>
        <translation>Átomos coloreados según la velocidad, del azul para los más lentos (%1), pasando por el gris, al amarillo para los más rápidos (%2).</translation>
    </message>
    <message>
        <source>Coloured by speed, from blue for the slowest (%1) through green to red for the fastest (%2).</source>
        <translation>Átomos coloreados según la velocidad, del azul para los más lentos (%1), pasando por el verde, al rojo para los más rápidos (%2).</translation>
    </message>
    <message>
        <source>Arrow keys turn the box, + and - zoom, Home shows the front view, C colours by speed or by material.</source>
        <translation>Las teclas de flecha giran la caja, + y - acercan o alejan, Inicio muestra la vista frontal y C colorea según la velocidad o según el material.</translation>
    </message>
    <message>
        <source>No atoms are shown.</source>
        <translation>No se muestra ningún átomo.</translation>
    </message>
</context>
<context>
    <name>views::LargeViewCanvas</name>
    <message>
        <source>Drag to turn the box, wheel to zoom, double-click for the front view</source>
        <translation>Arrastrar para girar la caja, rueda para acercar o alejar, doble clic para la vista frontal</translation>
    </message>
    <message>
        <source>Atoms in 3-D</source>
        <translation>Átomos en 3D</translation>
    </message>
</context>
<context>
    <name>views::LargeViewWindow</name>
    <message>
        <source>Large View</source>
        <translation>Vista ampliada</translation>
    </message>
    <message>
        <source>View tools</source>
        <translation>Herramientas de la vista</translation>
    </message>
    <message>
        <source>&amp;Colour by Speed</source>
        <translation>&amp;Colorear según la velocidad</translation>
    </message>
    <message>
        <source>Colour the atoms by speed (C), or by material</source>
        <translation>Colorear los átomos según la velocidad (C) o según el material</translation>
    </message>
    <message>
        <source>&amp;Front View</source>
        <translation>Vista &amp;frontal</translation>
    </message>
    <message>
        <source>Back to the view of the main window (double-click or Home)</source>
        <translation>Volver a la vista de la ventana principal (doble clic o Inicio)</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>Fill the screen with the view, or back to a window (F11)</source>
        <translation>Mostrar la vista en toda la pantalla, o volver a una ventana (F11)</translation>
    </message>
    <message>
        <source>&amp;Export Picture…</source>
        <translation>&amp;Exportar imagen…</translation>
    </message>
    <message>
        <source>Save the picture as a PNG file (Ctrl+Shift+S)</source>
        <translation>Guardar la imagen como archivo PNG (Ctrl+Mayús+S)</translation>
    </message>
</context>
<context>
    <name>views::PairChart</name>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 de %2 a %3</translation>
    </message>
    <message>
        <source>distance r (%1)</source>
        <translation>distancia r (%1)</translation>
    </message>
    <message>
        <source>pair energy V(r) (%1)</source>
        <translation>energía de par V(r) (%1)</translation>
    </message>
    <message>
        <source>radial distribution g(r)</source>
        <translation>distribución radial g(r)</translation>
    </message>
    <message>
        <source>%1: none kept yet</source>
        <translation>%1: aún sin datos</translation>
    </message>
    <message>
        <source>%1, highest %2</source>
        <translation>%1, máximo %2</translation>
    </message>
    <message>
        <source>Across: %1. Left: %2. Right: %3. Curves: %4.</source>
        <translation>Eje horizontal: %1. Izquierda: %2. Derecha: %3. Curvas: %4.</translation>
    </message>
    <message>
        <source>%1 at %2 %3</source>
        <translation>%1 en %2 %3</translation>
    </message>
    <message>
        <source>pair energy V(r)</source>
        <translation>energía de par V(r)</translation>
    </message>
    <message>
        <source>bond length %1, energy %2</source>
        <translation>longitud de enlace %1, energía %2</translation>
    </message>
    <message>
        <source>cut-off %1</source>
        <translation>radio de corte %1</translation>
    </message>
    <message>
        <source>distances kept now: g(r)</source>
        <translation>distancias actuales: g(r)</translation>
    </message>
</context>
<context>
    <name>views::PictureExport</name>
    <message>
        <source>There is no picture to save.</source>
        <translation>No hay ninguna imagen que guardar.</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture cannot be saved as %1:
%2</source>
        <translation>No se puede guardar la imagen como %1:
%2</translation>
    </message>
</context>
<context>
    <name>views::ShownUnit</name>
    <message>
        <source>model units</source>
        <translation>unidades del modelo</translation>
    </message>
</context>
</TS>
