<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows how matter behaves at the level of atoms.</source>
        <translation>Montre comment la matière se comporte à l&apos;échelle des atomes.</translation>
    </message>
    <message>
        <source>Open the Lab beside the main window.</source>
        <translation>Ouvrir le laboratoire à côté de la fenêtre principale.</translation>
    </message>
    <message>
        <source>Open the large 3-D view of the atoms.</source>
        <translation>Ouvrir la grande vue 3D des atomes.</translation>
    </message>
    <message>
        <source>Open the Experiments window at this experiment: its title, its file name without .experiment, or an experiment file.</source>
        <translation>Ouvrir la fenêtre Expériences sur cette expérience : son titre, son nom de fichier sans .experiment, ou un fichier d&apos;expérience.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>A scenario file to run at start.</source>
        <translation>Un fichier de scénario à lancer au démarrage.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Corvanta will show this language the next time it starts.</source>
        <translation>Corvanta s&apos;affichera dans cette langue au prochain démarrage.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Langue du &amp;système</translation>
    </message>
</context>
<context>
    <name>frmOrvelModel</name>
    <message>
        <source>Open Experiment</source>
        <translation>Ouvrir une expérience</translation>
    </message>
    <message>
        <source>Experiments (*.experiment);;All files (*)</source>
        <translation>Expériences (*.experiment);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>There is no worksheet yet: start an experiment first (View &gt; Experiments…).</source>
        <translation>Il n&apos;y a pas encore de fiche de travail : commencez d&apos;abord une expérience (Affichage &gt; Expériences…).</translation>
    </message>
    <message>
        <source>There is no experiment called &quot;%1&quot;.

Folders searched: %2</source>
        <translation>Aucune expérience ne s&apos;appelle « %1 ».

Dossiers parcourus : %2</translation>
    </message>
    <message>
        <source>Time of Day</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>From morning to evening: the sun and the temperature follow</source>
        <translation>Du matin au soir : le soleil et la température suivent</translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation>Atomes</translation>
    </message>
    <message>
        <source>The atoms of the chosen place moving in their box</source>
        <translation>Les atomes du lieu choisi, en mouvement dans leur boîte</translation>
    </message>
    <message>
        <source>Evening</source>
        <translation>Soir</translation>
    </message>
    <message>
        <source>Morning</source>
        <translation>Matin</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Run Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Run Time for MD Model</source>
        <translation>Durée d&apos;exécution du modèle de dynamique moléculaire</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>IPS</translation>
    </message>
    <message>
        <source>Screen Update (Frames Per Second)</source>
        <translation>Rafraîchissement de l&apos;écran (images par seconde)</translation>
    </message>
    <message>
        <source># Atoms</source>
        <translation>Nb d&apos;atomes</translation>
    </message>
    <message>
        <source>Number of Atoms in Simulation</source>
        <translation>Nombre d&apos;atomes dans la simulation</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Ambient Temperature</source>
        <translation>Température ambiante</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Simulation Type</source>
        <translation>Type de simulation</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Saison</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Été</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Hiver</translation>
    </message>
    <message>
        <source>Simulation: %1</source>
        <translation>Simulation : %1</translation>
    </message>
    <message>
        <source>The mouse icon %1 is missing or cannot be read.

Folders searched: %2

The program reads its pictures and scenarios from the folder it is started in, or else from its installed data folder.</source>
        <translation>L&apos;icône de souris %1 est absente ou illisible.

Dossiers parcourus : %2

Le programme lit ses images et ses scénarios dans le dossier à partir duquel il est lancé, ou sinon dans son dossier de données installé.</translation>
    </message>
    <message>
        <source># Atoms : %1</source>
        <translation>Nb d&apos;atomes : %1</translation>
    </message>
    <message>
        <source>A picture of the sun cannot be read:
%1

Folders searched: %2

The program runs on without the sun.</source>
        <translation>Une image du soleil est illisible :
%1

Dossiers parcourus : %2

Le programme continue sans le soleil.</translation>
    </message>
    <message>
        <source>A picture of an atom cannot be read:
%1

Folders searched: %2</source>
        <translation>Une image d&apos;atome est illisible :
%1

Dossiers parcourus : %2</translation>
    </message>
    <message>
        <source>Summer or winter; now %1</source>
        <translation>Été ou hiver ; actuellement %1</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Choose a place in the landscape to see its atoms</source>
        <translation>Choisir un lieu du paysage pour voir ses atomes</translation>
    </message>
    <message>
        <source>Water and air</source>
        <translation>Eau et air</translation>
    </message>
    <message>
        <source>View Water/Air Interface</source>
        <translation>Voir l&apos;interface eau/air</translation>
    </message>
    <message>
        <source>Water and rock</source>
        <translation>Eau et roche</translation>
    </message>
    <message>
        <source>View Water/Rock Interface</source>
        <translation>Voir l&apos;interface eau/roche</translation>
    </message>
    <message>
        <source>Sand</source>
        <translation>Sable</translation>
    </message>
    <message>
        <source>View Sand</source>
        <translation>Voir le sable</translation>
    </message>
    <message>
        <source>Dark rock</source>
        <translation>Roche sombre</translation>
    </message>
    <message>
        <source>View Solid Dark Rock</source>
        <translation>Voir la roche sombre solide</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Nuage</translation>
    </message>
    <message>
        <source>View Cloud</source>
        <translation>Voir le nuage</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>View Air Molecules</source>
        <translation>Voir les molécules de l&apos;air</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>View Water</source>
        <translation>Voir l&apos;eau</translation>
    </message>
    <message>
        <source>Thermometer bulb</source>
        <translation>Réservoir du thermomètre</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Thermomètre</translation>
    </message>
    <message>
        <source>Thermometer tube</source>
        <translation>Tube du thermomètre</translation>
    </message>
    <message>
        <source>&amp;1 step per tick</source>
        <translation>&amp;1 pas par cycle</translation>
    </message>
    <message>
        <source>&amp;2 steps per tick</source>
        <translation>&amp;2 pas par cycle</translation>
    </message>
    <message>
        <source>&amp;5 steps per tick</source>
        <translation>&amp;5 pas par cycle</translation>
    </message>
    <message>
        <source>1&amp;0 steps per tick</source>
        <translation>1&amp;0 pas par cycle</translation>
    </message>
    <message>
        <source>20 &amp;steps per tick</source>
        <translation>20 &amp;pas par cycle</translation>
    </message>
    <message>
        <source>50 steps &amp;per tick</source>
        <translation>50 pas par &amp;cycle</translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation>&amp;Contraste élevé</translation>
    </message>
    <message>
        <source>Draw the Lab, its graphs and the large view in white and bright colours on black, for a projector</source>
        <translation>Dessiner le laboratoire, ses graphiques et la grande vue en blanc et en couleurs vives sur fond noir, pour un vidéoprojecteur</translation>
    </message>
    <message>
        <source>Speed &amp;Colours</source>
        <translation>Couleurs selon la &amp;vitesse</translation>
    </message>
    <message>
        <source>Blue to &amp;Red</source>
        <translation>Du bleu au &amp;rouge</translation>
    </message>
    <message>
        <source>Blue to &amp;Yellow (for red-green colour blindness)</source>
        <translation>Du bleu au &amp;jaune (pour le daltonisme rouge-vert)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open Scenario…</source>
        <translation>&amp;Ouvrir un scénario…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>Open Ex&amp;periment…</source>
        <translation>Ouvrir une ex&amp;périence…</translation>
    </message>
    <message>
        <source>Open a guided experiment file, such as one a teacher wrote</source>
        <translation>Ouvrir un fichier d&apos;expérience guidée, par exemple écrit par un professeur</translation>
    </message>
    <message>
        <source>&amp;Save Snapshot…</source>
        <translation>&amp;Enregistrer un instantané…</translation>
    </message>
    <message>
        <source>Save the atoms as they are now as a scenario file; loading it draws fresh velocities for its temperature, as for every scenario file</source>
        <translation>Enregistrer les atomes dans leur état actuel comme fichier de scénario ; à son chargement, de nouvelles vitesses sont tirées pour sa température, comme pour tout fichier de scénario</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>&amp;Picture…</source>
        <translation>&amp;Image…</translation>
    </message>
    <message>
        <source>Save the atom view as a PNG picture</source>
        <translation>Enregistrer la vue des atomes en image PNG</translation>
    </message>
    <message>
        <source>&amp;Worksheet…</source>
        <translation>&amp;Fiche de travail…</translation>
    </message>
    <message>
        <source>Write the open experiment&apos;s worksheet, with your answers and the values measured, as a PDF or a web page</source>
        <translation>Produire la fiche de travail de l&apos;expérience ouverte, avec vos réponses et les valeurs mesurées, en PDF ou en page web</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Single Component</source>
        <translation>&amp;Un constituant</translation>
    </message>
    <message>
        <source>&amp;Solid</source>
        <translation>&amp;Solide</translation>
    </message>
    <message>
        <source>&amp;Liquid</source>
        <translation>&amp;Liquide</translation>
    </message>
    <message>
        <source>&amp;Gas</source>
        <translation>&amp;Gaz</translation>
    </message>
    <message>
        <source>&amp;Double Component</source>
        <translation>&amp;Deux constituants</translation>
    </message>
    <message>
        <source>&amp;Solid-Liquid</source>
        <translation>&amp;Solide-liquide</translation>
    </message>
    <message>
        <source>Solid-&amp;Gas</source>
        <translation>Solide-&amp;gaz</translation>
    </message>
    <message>
        <source>&amp;Liquid-Gas</source>
        <translation>&amp;Liquide-gaz</translation>
    </message>
    <message>
        <source>&amp;Follow the Ambient Temperature</source>
        <translation>&amp;Suivre la température ambiante</translation>
    </message>
    <message>
        <source>Hold the atoms at the temperature of the season and the time of day</source>
        <translation>Maintenir les atomes à la température de la saison et de l&apos;heure</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>&amp;Simulation</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>Avancer d&apos;un pa&amp;s</translation>
    </message>
    <message>
        <source>One tick while paused</source>
        <translation>Un cycle pendant la pause</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>&amp;Vitesse</translation>
    </message>
    <message>
        <source>Re&amp;start</source>
        <translation>Re&amp;démarrer</translation>
    </message>
    <message>
        <source>Load the running scenario&apos;s file again</source>
        <translation>Recharger le fichier du scénario en cours</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Lab…</source>
        <translation>&amp;Laboratoire…</translation>
    </message>
    <message>
        <source>La&amp;rge View…</source>
        <translation>&amp;Grande vue…</translation>
    </message>
    <message>
        <source>&amp;Interactions…</source>
        <translation>&amp;Interactions…</translation>
    </message>
    <message>
        <source>&amp;Experiments…</source>
        <translation>&amp;Expériences…</translation>
    </message>
    <message>
        <source>Guided experiments: the program sets each step up and checks what you measure</source>
        <translation>Expériences guidées : le programme prépare chaque étape et vérifie ce que vous mesurez</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Topics</source>
        <translation>&amp;Rubriques</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>FPS: %1</source>
        <translation>IPS : %1</translation>
    </message>
    <message>
        <source>Scenario files (*.ams);;All files (*)</source>
        <translation>Fichiers de scénario (*.ams);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open Scenario</source>
        <translation>Ouvrir un scénario</translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation>Enregistrer un instantané</translation>
    </message>
    <message>
        <source>The snapshot cannot be saved:
%1</source>
        <translation>Impossible d&apos;enregistrer l&apos;instantané :
%1</translation>
    </message>
    <message>
        <source>Record Trajectory</source>
        <translation>Enregistrer la trajectoire</translation>
    </message>
    <message>
        <source>Extended XYZ (*.xyz);;All files (*)</source>
        <translation>XYZ étendu (*.xyz);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Write every K-th frame shown. K:</source>
        <translation>Écrire une image affichée sur K. K :</translation>
    </message>
    <message>
        <source>The trajectory cannot be recorded:
%1</source>
        <translation>Impossible d&apos;enregistrer la trajectoire :
%1</translation>
    </message>
    <message>
        <source>Recording the trajectory has stopped:
%1</source>
        <translation>L&apos;enregistrement de la trajectoire s&apos;est arrêté :
%1</translation>
    </message>
    <message>
        <source>Stop Recording the &amp;Trajectory</source>
        <translation>Arrêter l&apos;enregistrement de la &amp;trajectoire</translation>
    </message>
    <message>
        <source>&amp;Trajectory…</source>
        <translation>&amp;Trajectoire…</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>Enregistrement dans %1</translation>
    </message>
    <message>
        <source>Record every K-th frame shown to an extended-XYZ file</source>
        <translation>Enregistrer une image affichée sur K dans un fichier XYZ étendu</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Solide</translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation>Liquide</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Gas-Gas</source>
        <translation>Gaz-gaz</translation>
    </message>
    <message>
        <source>Solid-Liquid</source>
        <translation>Solide-liquide</translation>
    </message>
    <message>
        <source>Solid-Gas</source>
        <translation>Solide-gaz</translation>
    </message>
    <message>
        <source>Liquid-Gas</source>
        <translation>Liquide-gaz</translation>
    </message>
    <message>
        <source>

Folders searched: %1</source>
        <translation>

Dossiers parcourus : %1</translation>
    </message>
    <message>
        <source>The scenario cannot be loaded:
%1%2

The simulation carries on as it was.</source>
        <translation>Impossible de charger le scénario :
%1%2

La simulation continue comme avant.</translation>
    </message>
    <message>
        <source>The box of %1 cannot be shown:
%2</source>
        <translation>Impossible d&apos;afficher la boîte de %1 :
%2</translation>
    </message>
    <message>
        <source>The material card cannot be used:
%1

The scenario runs in model units.</source>
        <translation>La fiche des substances est inutilisable :
%1

Le scénario tourne en unités du modèle.</translation>
    </message>
    <message>
        <source>Temperature: %1 %2</source>
        <translation>Température : %1 %2</translation>
    </message>
    <message>
        <source>No simulation yet: choose a place in the landscape</source>
        <translation>Pas encore de simulation : choisissez un lieu du paysage</translation>
    </message>
    <message>
        <source>atoms: %1</source>
        <translation>atomes : %1</translation>
    </message>
    <message>
        <source>insulated: no heat in or out</source>
        <translation>isolé : aucun échange de chaleur</translation>
    </message>
    <message>
        <source>kept at %1 %2</source>
        <translation>maintenu à %1 %2</translation>
    </message>
    <message>
        <source>the lid holds the box at %1 % of its height</source>
        <translation>le couvercle maintient la boîte à %1 % de sa hauteur</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>en pause</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the parts of the atom view&apos;s summary</comment>
        <translation> ; </translation>
    </message>
    <message>
        <source>Disp Time: %1</source>
        <translation>Temps d&apos;affichage : %1</translation>
    </message>
    <message>
        <source>&amp;Keyboard…</source>
        <translation>&amp;Clavier…</translation>
    </message>
    <message>
        <source>List every key the program answers to</source>
        <translation>Lister toutes les touches auxquelles le programme répond</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>(choisir une réponse)</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>En %1</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Votre réponse</translation>
    </message>
    <message>
        <source>Your choice</source>
        <translation>Votre choix</translation>
    </message>
</context>
<context>
    <name>guide::ExperimentLibrary</name>
    <message>
        <source>%1 cannot be copied to %2.</source>
        <translation>Impossible de copier %1 vers %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
</context>
<context>
    <name>guide::ExperimentSession</name>
    <message>
        <source>The scenario file %1 cannot be found beside the experiment (%2) nor among the program&apos;s own.</source>
        <translation>Le fichier de scénario %1 est introuvable, ni à côté de l&apos;expérience (%2) ni parmi ceux du programme.</translation>
    </message>
    <message>
        <source>The scenario file %1 cannot be loaded.</source>
        <translation>Impossible de charger le fichier de scénario %1.</translation>
    </message>
    <message>
        <source>The scenario has no material card, so a pressure in kPa cannot be held.</source>
        <translation>Le scénario n&apos;a pas de fiche des substances : une pression en kPa ne peut donc pas être maintenue.</translation>
    </message>
    <message>
        <source>This step measures %1, which is not running now. Press Set up again to load it.</source>
        <translation>La mesure de cette étape porte sur %1, qui n&apos;est pas lancé en ce moment. Appuyez sur « Refaire la mise en place » pour le charger.</translation>
    </message>
    <message>
        <source>The simulation is paused: press Space to run it. %1</source>
        <translation>La simulation est en pause : appuyez sur Espace pour la lancer. %1</translation>
    </message>
</context>
<context>
    <name>guide::ExperimentWindow</name>
    <message>
        <source> (about %1 min)</source>
        <translation> (environ %1 min)</translation>
    </message>
    <message>
        <source> — your own</source>
        <translation> — la vôtre</translation>
    </message>
    <message>
        <source>Experiments</source>
        <translation>Expériences</translation>
    </message>
    <message>
        <source>&amp;Choose an experiment:</source>
        <translation>&amp;Choisir une expérience :</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>&amp;Open Experiment File…</source>
        <translation>&amp;Ouvrir un fichier d&apos;expérience…</translation>
    </message>
    <message>
        <source>Step text</source>
        <translation>Texte de l&apos;étape</translation>
    </message>
    <message>
        <source>Set &amp;up again</source>
        <translation>&amp;Refaire la mise en place</translation>
    </message>
    <message>
        <source>Do this step&apos;s set-up again: load its scenario, set the thermostat, the lid and the graphs</source>
        <translation>Refaire la mise en place de cette étape : charger son scénario, régler le thermostat, le couvercle et les graphiques</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message>
        <source>&amp;All Experiments</source>
        <translation>&amp;Toutes les expériences</translation>
    </message>
    <message>
        <source>&amp;Worksheet…</source>
        <translation>&amp;Fiche de travail…</translation>
    </message>
    <message>
        <source>&amp;Measure</source>
        <translation>&amp;Mesurer</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Valeur mesurée</translation>
    </message>
    <message>
        <source>This experiment cannot be opened: %1</source>
        <translation>Impossible d&apos;ouvrir cette expérience : %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Step %2 of %3: %4</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Étape %2 sur %3 : %4</translation>
    </message>
    <message>
        <source>The program measures %1.</source>
        <translation>Le programme mesure %1.</translation>
    </message>
    <message>
        <source>not measured yet</source>
        <translation>pas encore mesuré</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Fiche de travail</translation>
    </message>
    <message>
        <source>Your name for the worksheet:</source>
        <translation>Votre nom pour la fiche de travail :</translation>
    </message>
    <message>
        <source>Export Worksheet</source>
        <translation>Exporter la fiche de travail</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;Web page (*.html)</source>
        <translation>PDF (*.pdf);;Page web (*.html)</translation>
    </message>
    <message>
        <source>The worksheet was written to %1.</source>
        <translation>La fiche de travail a été enregistrée dans %1.</translation>
    </message>
    <message>
        <source>Start the chosen experiment</source>
        <translation>Démarrer l&apos;expérience choisie</translation>
    </message>
    <message>
        <source>Open an experiment file from any folder</source>
        <translation>Ouvrir un fichier d&apos;expérience depuis n&apos;importe quel dossier</translation>
    </message>
    <message>
        <source>Check your answer and the measurement</source>
        <translation>Vérifier votre réponse et la mesure</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>The step before</source>
        <translation>L&apos;étape précédente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>The next step</source>
        <translation>L&apos;étape suivante</translation>
    </message>
    <message>
        <source>Back to the list of experiments</source>
        <translation>Retour à la liste des expériences</translation>
    </message>
    <message>
        <source>Write the worksheet to hand in, as PDF or a web page</source>
        <translation>Produire la fiche de travail à rendre, en PDF ou en page web</translation>
    </message>
    <message>
        <source>Take this step&apos;s measurement from the running simulation</source>
        <translation>Prendre la mesure de cette étape dans la simulation en cours</translation>
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
        <translation>La température est la moyenne sur %L1 pas : laissez la simulation tourner un peu plus longtemps, puis mesurez à nouveau.</translation>
    </message>
    <message>
        <source>The heating ramp has not passed %1 yet: let it run on, then measure again.</source>
        <translation>La rampe de chauffage n&apos;a pas encore dépassé %1 : laissez-la continuer, puis mesurez à nouveau.</translation>
    </message>
    <message>
        <source>The heating curve shows no plateau between %1 and %2. Press Set up again to run the ramp again, and let it run to the end.</source>
        <translation>La courbe de chauffe ne présente aucun palier entre %1 et %2. Appuyez sur « Refaire la mise en place » pour relancer la rampe, et laissez-la aller jusqu&apos;au bout.</translation>
    </message>
    <message>
        <source>The pressure gauge averages over a stretch of the run: let the simulation run a little longer, then measure again.</source>
        <translation>Le manomètre fait la moyenne sur une partie de la simulation : laissez la simulation tourner un peu plus longtemps, puis mesurez à nouveau.</translation>
    </message>
    <message>
        <source>The lid is still moving: measure when it has stopped.</source>
        <translation>Le couvercle bouge encore : mesurez quand il s&apos;est arrêté.</translation>
    </message>
    <message>
        <source>The running scenario has no material %1.</source>
        <translation>Le scénario en cours n&apos;a pas de substance %1.</translation>
    </message>
    <message>
        <source>The phases are told from the last %L1 steps of the run: let the simulation run a little longer, then measure again.</source>
        <translation>Les états physiques sont déterminés d&apos;après les %L1 derniers pas de la simulation : laissez la simulation tourner un peu plus longtemps, puis mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Let the simulation run a little, then measure again.</source>
        <translation>Laissez la simulation tourner un peu, puis mesurez à nouveau.</translation>
    </message>
    <message>
        <source>No two atoms of these materials are close together now.</source>
        <translation>Aucune paire d&apos;atomes de ces substances n&apos;est rapprochée en ce moment.</translation>
    </message>
    <message>
        <source>The distances cannot be measured in this scenario.</source>
        <translation>Les distances ne peuvent pas être mesurées dans ce scénario.</translation>
    </message>
    <message>
        <source>the temperature</source>
        <translation>la température</translation>
    </message>
    <message>
        <source>the plateau of the heating curve</source>
        <translation>le palier de la courbe de chauffe</translation>
    </message>
    <message>
        <source>the energy taken up over the plateau</source>
        <translation>l&apos;énergie absorbée pendant le palier</translation>
    </message>
    <message>
        <source>the pressure on the walls</source>
        <translation>la pression sur les parois</translation>
    </message>
    <message>
        <source>the room the atoms have inside the walls</source>
        <translation>l&apos;espace dont disposent les atomes entre les parois</translation>
    </message>
    <message>
        <source>the share of atoms moving about</source>
        <translation>la proportion d&apos;atomes qui se déplacent librement</translation>
    </message>
    <message>
        <source>the share of atoms in the vapour</source>
        <translation>la proportion d&apos;atomes dans la vapeur</translation>
    </message>
    <message>
        <source>the phase</source>
        <translation>l&apos;état physique</translation>
    </message>
    <message>
        <source>the potential energy per atom</source>
        <translation>l&apos;énergie potentielle par atome</translation>
    </message>
    <message>
        <source>the depth of the energy well</source>
        <translation>la profondeur du puits d&apos;énergie</translation>
    </message>
    <message>
        <source>the distance at the bottom of the well</source>
        <translation>la distance au fond du puits</translation>
    </message>
    <message>
        <source>the most common distance between neighbours</source>
        <translation>la distance la plus fréquente entre voisins</translation>
    </message>
    <message>
        <source>This measurement is not known.</source>
        <translation>Cette mesure est inconnue.</translation>
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
        <translation>%1 est compris entre %2 et %3</translation>
    </message>
    <message>
        <source>%1 does not lie between %2 and %3</source>
        <translation>%1 n&apos;est pas compris entre %2 et %3</translation>
    </message>
    <message>
        <source>%1 is above %2</source>
        <translation>%1 est supérieur à %2</translation>
    </message>
    <message>
        <source>%1 is not above %2</source>
        <translation>%1 n&apos;est pas supérieur à %2</translation>
    </message>
    <message>
        <source>%1 is below %2</source>
        <translation>%1 est inférieur à %2</translation>
    </message>
    <message>
        <source>%1 is not below %2</source>
        <translation>%1 n&apos;est pas inférieur à %2</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>c&apos;est %1</translation>
    </message>
    <message>
        <source>it is not %1</source>
        <translation>ce n&apos;est pas %1</translation>
    </message>
    <message>
        <source>Give your answer first.</source>
        <translation>Donnez d&apos;abord votre réponse.</translation>
    </message>
    <message>
        <source>This needs the measurement of step %1: go back and take it.</source>
        <translation>Il faut pour cela la mesure de l&apos;étape %1 : revenez en arrière pour la prendre.</translation>
    </message>
    <message>
        <source>Take the measurement first: press Measure.</source>
        <translation>Prenez d&apos;abord la mesure : appuyez sur « Mesurer ».</translation>
    </message>
    <message>
        <source>Right: %1.</source>
        <translation>Juste : %1.</translation>
    </message>
    <message>
        <source>Read the step again and look at what it shows.</source>
        <translation>Relisez l&apos;étape et observez ce qu&apos;elle montre.</translation>
    </message>
    <message>
        <source>Not yet: %1. %2</source>
        <translation>Pas encore : %1. %2</translation>
    </message>
    <message>
        <source>The scenario&apos;s material card does not give the figure this is checked against, so it cannot be checked.</source>
        <translation>La fiche des substances du scénario ne donne pas la valeur de référence de cette vérification : elle ne peut donc pas être faite.</translation>
    </message>
</context>
<context>
    <name>guide::Worksheet</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Choices: </source>
        <translation>Choix : </translation>
    </message>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Votre réponse</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Valeur mesurée</translation>
    </message>
    <message>
        <source>The worksheet could not be written to %1: %2</source>
        <translation>Impossible d&apos;enregistrer la fiche de travail dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>lab::ChartSummary</name>
    <message>
        <source>Horizontal axis</source>
        <translation>Axe horizontal</translation>
    </message>
    <message>
        <source>Vertical axis</source>
        <translation>Axe vertical</translation>
    </message>
    <message>
        <source>%1: %2 to %3</source>
        <comment>axis: range</comment>
        <translation>%1 : de %2 à %3</translation>
    </message>
    <message>
        <source>%1: no values yet</source>
        <translation>%1 : pas encore de valeurs</translation>
    </message>
    <message>
        <source>%1: %2 at %3</source>
        <comment>series: y at x</comment>
        <translation>%1 : %2 à %3</translation>
    </message>
    <message>
        <source>%1: %2 points</source>
        <translation>%1 : %2 points</translation>
    </message>
    <message>
        <source>%1: %2 throughout</source>
        <translation>%1 : %2 tout du long</translation>
    </message>
    <message>
        <source>%1: latest %2 at %3</source>
        <comment>series: latest y at x</comment>
        <translation>%1 : dernière valeur %2 à %3</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a sentence</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>; </source>
        <comment>list separator</comment>
        <translation> ; </translation>
    </message>
</context>
<context>
    <name>lab::LabWindow</name>
    <message>
        <source>Lab</source>
        <translation>Laboratoire</translation>
    </message>
    <message>
        <source>Phase dia&amp;gram</source>
        <translation>&amp;Diagramme de phases</translation>
    </message>
    <message>
        <source>&amp;Save CSV…</source>
        <translation>&amp;Enregistrer en CSV…</translation>
    </message>
    <message>
        <source>Save every recorded sample as a table: one row per sample, a header row with units</source>
        <translation>Enregistrer tous les relevés sous forme de tableau : une ligne par relevé, une ligne d&apos;en-tête avec les unités</translation>
    </message>
    <message>
        <source>&amp;Units </source>
        <translation>&amp;Unités </translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Unité de température</translation>
    </message>
    <message>
        <source>The unit of every temperature, here and in the status bar</source>
        <translation>L&apos;unité de toutes les températures, ici et dans la barre d&apos;état</translation>
    </message>
    <message>
        <source> &amp;Pressure </source>
        <translation> &amp;Pression </translation>
    </message>
    <message>
        <source>Pressure unit</source>
        <translation>Unité de pression</translation>
    </message>
    <message>
        <source>The unit of the wall pressure: kilopascal or standard atmosphere (%1 kPa)</source>
        <translation>L&apos;unité de la pression sur les parois : kilopascal ou atmosphère normale (%1 kPa)</translation>
    </message>
    <message>
        <source>%1 cannot be written: the folder is missing or not writable, or the disk is full.</source>
        <translation>Impossible d&apos;écrire %1 : le dossier est absent ou protégé en écriture, ou le disque est plein.</translation>
    </message>
    <message>
        <source>Save the recorded series</source>
        <translation>Enregistrer les séries relevées</translation>
    </message>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation>Tableaux CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>lab::MaterialsPanel</name>
    <message>
        <source>Substance</source>
        <translation>Espèce chimique</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>The chemical element the atoms stand for</source>
        <translation>L&apos;élément chimique que représentent les atomes</translation>
    </message>
    <message>
        <source>Melts</source>
        <translation>Fusion</translation>
    </message>
    <message>
        <source>The real melting point</source>
        <translation>Le point de fusion réel</translation>
    </message>
    <message>
        <source>Boils</source>
        <translation>Ébullition</translation>
    </message>
    <message>
        <source>The real boiling point</source>
        <translation>Le point d&apos;ébullition réel</translation>
    </message>
    <message>
        <source>Model melts</source>
        <translation>Fusion (modèle)</translation>
    </message>
    <message>
        <source>The melting point measured on the model</source>
        <translation>Le point de fusion mesuré sur le modèle</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Source : %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>caption: value</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Materials</source>
        <translation>Substances</translation>
    </message>
    <message>
        <source>The real length of the model&apos;s unit of length</source>
        <translation>La longueur réelle de l&apos;unité de longueur du modèle</translation>
    </message>
    <message>
        <source>The real mass of the model&apos;s unit of mass</source>
        <translation>La masse réelle de l&apos;unité de masse du modèle</translation>
    </message>
    <message>
        <source>The real time one step of the simulation lasts</source>
        <translation>La durée réelle d&apos;un pas de la simulation</translation>
    </message>
    <message>
        <source>Length unit</source>
        <translation>Unité de longueur</translation>
    </message>
    <message>
        <source>Mass unit</source>
        <translation>Unité de masse</translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Pas de temps</translation>
    </message>
    <message>
        <source>No material card: model units</source>
        <translation>Pas de fiche des substances : unités du modèle</translation>
    </message>
    <message>
        <source>The material card was refused: model units</source>
        <translation>Fiche des substances refusée : unités du modèle</translation>
    </message>
    <message>
        <source>The scenario has no card beside it that names its substances, so it runs in model units</source>
        <translation>Aucune fiche nommant ses substances n&apos;accompagne le scénario : il tourne donc en unités du modèle</translation>
    </message>
</context>
<context>
    <name>lab::PhaseDiagram</name>
    <message>
        <source>Your state point</source>
        <translation>Votre point d&apos;état</translation>
    </message>
    <message>
        <source>Phase diagram of %1</source>
        <translation>Diagramme de phases (%1)</translation>
    </message>
    <message>
        <source>temperature against density</source>
        <translation>température en fonction de la masse volumique</translation>
    </message>
    <message>
        <source>Each state point of the map by its density and temperature; your state point marked large</source>
        <translation>Chaque point d&apos;état de la carte selon sa masse volumique et sa température ; votre point d&apos;état est marqué en grand</translation>
    </message>
    <message>
        <source>pressure against temperature</source>
        <translation>pression en fonction de la température</translation>
    </message>
    <message>
        <source>Each state point of the map by its temperature and pressure on the walls, pressure on a logarithmic axis; the real triple and critical points marked</source>
        <translation>Chaque point d&apos;état de la carte selon sa température et la pression sur les parois, la pression sur un axe logarithmique ; les points triple et critique réels sont marqués</translation>
    </message>
    <message>
        <source>%1 measured on the model</source>
        <translation>%1 : mesures sur le modèle</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>material: chart</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Density (%1)</source>
        <translation>Masse volumique (%1)</translation>
    </message>
    <message>
        <source>real triple point</source>
        <translation>point triple réel</translation>
    </message>
    <message>
        <source>real critical point</source>
        <translation>point critique réel</translation>
    </message>
    <message>
        <source>Measured on the model: each mark is a state the model of %1 was held at, shaped and coloured by the phases found there. </source>
        <translation>Mesures sur le modèle : chaque repère est un état auquel le modèle (%1) a été maintenu ; sa forme et sa couleur indiquent les phases observées. </translation>
    </message>
    <message>
        <source>%1 of its %2 state points, where the walls felt no push, are not on the pressure chart. </source>
        <translation>%1 de ses %2 points d&apos;état, où les parois n&apos;ont subi aucune poussée, ne figurent pas sur le graphique de pression. </translation>
    </message>
    <message>
        <source>Hollow marks and dashed lines: the real substance, from the material card.</source>
        <translation>Repères creux et lignes en tirets : la substance réelle, d&apos;après la fiche des substances.</translation>
    </message>
    <message>
        <source>The material card gives no triple or critical point of the real substance.</source>
        <translation>La fiche des substances ne donne ni point triple ni point critique pour la substance réelle.</translation>
    </message>
    <message>
        <source>Temperature (%1)</source>
        <translation>Température (%1)</translation>
    </message>
    <message>
        <source>Pressure on the walls (%1)</source>
        <translation>Pression sur les parois (%1)</translation>
    </message>
    <message>
        <source>Your state point: not measured yet</source>
        <translation>Votre point d&apos;état : pas encore mesuré</translation>
    </message>
    <message>
        <source>pressure not measured yet</source>
        <translation>pression pas encore mesurée</translation>
    </message>
    <message>
        <source>Your state point: %1 %2, %3 %4, %5</source>
        <translation>Votre point d&apos;état : %1 %2, %3 %4, %5</translation>
    </message>
</context>
<context>
    <name>lab::PhaseDiagramTab</name>
    <message>
        <source>Phase diagram</source>
        <translation>Diagramme de phases</translation>
    </message>
    <message>
        <source>The phases measured on the model of each material at many temperatures and densities, with your own state point and the real substance&apos;s triple and critical points</source>
        <translation>Les phases mesurées sur le modèle de chaque substance à de nombreuses températures et masses volumiques, avec votre propre point d&apos;état et les points triple et critique de la substance réelle</translation>
    </message>
    <message>
        <source>No scenario runs yet.</source>
        <translation>Aucun scénario n&apos;est encore lancé.</translation>
    </message>
    <message>
        <source>Material of the phase diagram</source>
        <translation>Substance du diagramme de phases</translation>
    </message>
    <message>
        <source>Chooses which material&apos;s phase diagram is shown</source>
        <translation>Choisit la substance dont le diagramme de phases est affiché</translation>
    </message>
    <message>
        <source>This scenario has no material card, so the Lab cannot tell which substance its atoms stand for, nor whose phase map to show. A card beside the scenario file (X.card beside X.ams) names its substances.</source>
        <translation>Ce scénario n&apos;a pas de fiche des substances : le laboratoire ne peut donc savoir ni quelle substance représentent ses atomes, ni quelle carte des phases afficher. Une fiche placée à côté du fichier de scénario (X.card à côté de X.ams) nomme ses substances.</translation>
    </message>
    <message>
        <source>With several materials in the box, the density is this material&apos;s own and the pressure the whole box&apos;s, which all of them share</source>
        <translation>Avec plusieurs substances dans la boîte, la masse volumique est celle de cette substance seule, et la pression celle de toute la boîte, commune à toutes</translation>
    </message>
    <message>
        <source>No phase map has been looked up for %1.</source>
        <translation>Aucune carte des phases n&apos;a été recherchée pour %1.</translation>
    </message>
</context>
<context>
    <name>lab::PhaseLegend</name>
    <message>
        <source>Legend</source>
        <translation>Légende</translation>
    </message>
</context>
<context>
    <name>lab::PhaseMapSource</name>
    <message>
        <source>No phase map has been measured on the model for %1.</source>
        <translation>Aucune carte des phases n&apos;a été mesurée sur le modèle pour %1.</translation>
    </message>
    <message>
        <source>The phase map found for %1 is the map of %2.</source>
        <translation>La carte des phases trouvée pour %1 est celle d&apos;une autre substance : %2.</translation>
    </message>
    <message>
        <source>The phase map of %1 holds no state points yet.</source>
        <translation>La carte des phases (%1) ne contient encore aucun point d&apos;état.</translation>
    </message>
    <message>
        <source>The phase map of %1 cannot be read: %2</source>
        <translation>La carte des phases (%1) est illisible : %2</translation>
    </message>
</context>
<context>
    <name>lab::PhaseWatch</name>
    <message>
        <source>Phase change: %1 is now %2 (was %3).</source>
        <translation>Changement d&apos;état : %1 — maintenant %2 (auparavant %3).</translation>
    </message>
</context>
<context>
    <name>lab::ReadoutPanel</name>
    <message>
        <source>Per atom, in kilojoules per mole of atoms</source>
        <translation>Par atome, en kilojoules par mole d&apos;atomes</translation>
    </message>
    <message>
        <source>Per atom, in the model&apos;s units: the scenario has no material card</source>
        <translation>Par atome, en unités du modèle : le scénario n&apos;a pas de fiche des substances</translation>
    </message>
    <message>
        <source>Force of the walls on the atoms per area of the walls&apos; inner faces, averaged like a gauge over the last %1 steps</source>
        <translation>Force exercée par les parois sur les atomes par unité de surface des faces intérieures des parois, moyennée comme par un manomètre sur les %1 derniers pas</translation>
    </message>
    <message>
        <source>Force of the walls on the atoms per area of the walls&apos; inner faces, averaged like a gauge over the last %1 steps, in the model&apos;s units: the scenario has no material card</source>
        <translation>Force exercée par les parois sur les atomes par unité de surface des faces intérieures des parois, moyennée comme par un manomètre sur les %1 derniers pas, en unités du modèle : le scénario n&apos;a pas de fiche des substances</translation>
    </message>
    <message>
        <source>Time steps since the scenario started, and the time they simulated</source>
        <translation>Pas de temps depuis le début du scénario, et la durée simulée</translation>
    </message>
    <message>
        <source>Time steps since the scenario started</source>
        <translation>Pas de temps depuis le début du scénario</translation>
    </message>
    <message>
        <source>Material %1</source>
        <translation>Substance %1</translation>
    </message>
    <message>
        <source>Readouts</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Measured: 2/3 of the mean kinetic energy per atom</source>
        <translation>Mesurée : 2/3 de l&apos;énergie cinétique moyenne par atome</translation>
    </message>
    <message>
        <source>Kinetic energy</source>
        <translation>Énergie cinétique</translation>
    </message>
    <message>
        <source>Potential energy</source>
        <translation>Énergie potentielle</translation>
    </message>
    <message>
        <source>Total energy</source>
        <translation>Énergie totale</translation>
    </message>
    <message>
        <source>Wall pressure</source>
        <translation>Pression sur les parois</translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation>Atomes</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse de calcul</translation>
    </message>
    <message>
        <source>Atoms times time steps simulated per second</source>
        <translation>Nombre d&apos;atomes multiplié par le nombre de pas de temps simulés par seconde</translation>
    </message>
    <message>
        <source>not measured yet</source>
        <translation>pas encore mesuré</translation>
    </message>
    <message>
        <source>not told yet</source>
        <translation>pas encore déterminé</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>readout: value</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 atom-steps/s</source>
        <translation>%1 atomes-pas/s</translation>
    </message>
    <message>
        <source>Phase from how far the atoms move over 1,000 steps and how many neighbours they keep</source>
        <translation>État physique déterminé d&apos;après la distance parcourue par les atomes en 1&#xa0;000 pas et le nombre de voisins qu&apos;ils gardent</translation>
    </message>
</context>
<context>
    <name>lab::SeriesCharts</name>
    <message>
        <source>Temperature (%1)</source>
        <translation>Température (%1)</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>pas</translation>
    </message>
    <message>
        <source>Graphs</source>
        <translation>Graphiques</translation>
    </message>
    <message>
        <source>&amp;Temperature</source>
        <translation>&amp;Température</translation>
    </message>
    <message>
        <source>Temperature graph</source>
        <translation>Graphique de la température</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Mesurée</translation>
    </message>
    <message>
        <source>Thermostat</source>
        <translation>Thermostat</translation>
    </message>
    <message>
        <source>&amp;Energy</source>
        <translation>É&amp;nergie</translation>
    </message>
    <message>
        <source>Energy graph</source>
        <translation>Graphique de l&apos;énergie</translation>
    </message>
    <message>
        <source>Kinetic</source>
        <translation>Cinétique</translation>
    </message>
    <message>
        <source>Potential</source>
        <translation>Potentielle</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>&amp;Wall pressure</source>
        <translation>Pression sur les p&amp;arois</translation>
    </message>
    <message>
        <source>Wall pressure graph</source>
        <translation>Graphique de la pression sur les parois</translation>
    </message>
    <message>
        <source>On the walls</source>
        <translation>Sur les parois</translation>
    </message>
    <message>
        <source>Heating &amp;curve</source>
        <translation>&amp;Courbe de chauffe</translation>
    </message>
    <message>
        <source>Heating curve graph</source>
        <translation>Graphique de la courbe de chauffe</translation>
    </message>
    <message>
        <source>Measured temperature during the ramp</source>
        <translation>Température mesurée pendant la rampe</translation>
    </message>
    <message>
        <source>Energy per atom (%1)</source>
        <translation>Énergie par atome (%1)</translation>
    </message>
    <message>
        <source>Wall pressure (%1)</source>
        <translation>Pression sur les parois (%1)</translation>
    </message>
    <message>
        <source>Total energy per atom (%1)</source>
        <translation>Énergie totale par atome (%1)</translation>
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
        <translation>&amp;Maintenir</translation>
    </message>
    <message>
        <source>Hold the atoms at this temperature, whatever the season or the time of day. Off: the scenario&apos;s own temperature.</source>
        <translation>Maintenir les atomes à cette température, quelles que soient la saison et l&apos;heure. Décoché : la température propre au scénario.</translation>
    </message>
    <message>
        <source>&amp;Follow the ambient temperature</source>
        <translation>&amp;Suivre la température ambiante</translation>
    </message>
    <message>
        <source>Every change of season or time of day moves the thermostat to the ambient temperature.</source>
        <translation>Chaque changement de saison ou d&apos;heure règle le thermostat sur la température ambiante.</translation>
    </message>
    <message>
        <source>R&amp;amp to</source>
        <translation>Rampe &amp;jusqu&apos;à</translation>
    </message>
    <message>
        <source> steps</source>
        <translation> pas</translation>
    </message>
    <message>
        <source>Ramp length in steps</source>
        <translation>Durée de la rampe en pas</translation>
    </message>
    <message>
        <source>How many time steps the ramp takes to reach its temperature</source>
        <translation>Nombre de pas de temps que met la rampe pour atteindre sa température</translation>
    </message>
    <message>
        <source>&amp;Ramp</source>
        <translation>Lancer la &amp;rampe</translation>
    </message>
    <message>
        <source>Move the thermostat steadily to this temperature and plot the heating curve</source>
        <translation>Amener progressivement le thermostat à cette température et tracer la courbe de chauffe</translation>
    </message>
    <message>
        <source>&amp;Insulated: no heat in or out</source>
        <translation>&amp;Isolé : aucun échange de chaleur</translation>
    </message>
    <message>
        <source>No thermostat and no clamp: the atoms keep their total energy, so a liquid that evaporates cools down.</source>
        <translation>Ni thermostat ni contrainte : les atomes conservent leur énergie totale, si bien qu&apos;un liquide qui s&apos;évapore se refroidit.</translation>
    </message>
    <message>
        <source>The temperature the atoms are held at: from %1 to %2.</source>
        <translation>La température à laquelle les atomes sont maintenus : de %1 à %2.</translation>
    </message>
    <message>
        <source>Thermostat temperature, in tenths of %1</source>
        <translation>Température du thermostat, en dixièmes de %1</translation>
    </message>
    <message>
        <source>Thermostat temperature in %1</source>
        <translation>Température du thermostat en %1</translation>
    </message>
    <message>
        <source>Ramp to temperature in %1</source>
        <translation>Température visée par la rampe en %1</translation>
    </message>
    <message>
        <source>Stop &amp;ramp</source>
        <translation>Arrêter la &amp;rampe</translation>
    </message>
</context>
<context>
    <name>lab::VolumePanel</name>
    <message>
        <source>Volume and pressure</source>
        <translation>Volume et pression</translation>
    </message>
    <message>
        <source>Box height in per cent</source>
        <translation>Hauteur de la boîte en pourcentage</translation>
    </message>
    <message>
        <source>&amp;Box height</source>
        <translation>&amp;Hauteur de la boîte</translation>
    </message>
    <message>
        <source>H&amp;old pressure</source>
        <translation>Maintenir la pressi&amp;on</translation>
    </message>
    <message>
        <source>Hold pressure</source>
        <translation>Maintenir la pression</translation>
    </message>
    <message>
        <source>Move the lid by itself to keep the pressure on it at this value: slowly, after each reading of its gauge (the lid feels the gas or vapour above a liquid, not the liquid&apos;s weight). Off: the lid stays where it is.</source>
        <translation>Déplacer automatiquement le couvercle pour maintenir à cette valeur la pression qu&apos;il subit : lentement, après chaque lecture de son manomètre (le couvercle subit la pression du gaz ou de la vapeur au-dessus d&apos;un liquide, pas le poids du liquide). Décoché : le couvercle reste en place.</translation>
    </message>
    <message>
        <source>Pressure to hold</source>
        <translation>Pression à maintenir</translation>
    </message>
    <message>
        <source>The pressure on the lid to hold, in %1</source>
        <translation>La pression à maintenir sur le couvercle, en %1</translation>
    </message>
    <message>
        <source>Pressure to hold in %1</source>
        <translation>Pression à maintenir en %1</translation>
    </message>
    <message>
        <source>Lid at the file&apos;s box (100 %)</source>
        <translation>Couvercle à la hauteur du fichier (100 %)</translation>
    </message>
    <message>
        <source>Lid at %1 %</source>
        <translation>Couvercle à %1 %</translation>
    </message>
    <message>
        <source>Lid at %1 %: waiting</source>
        <translation>Couvercle à %1 % : en attente</translation>
    </message>
    <message>
        <source>Lid at %1 %, moving to %2 %</source>
        <translation>Couvercle à %1 %, en route vers %2 %</translation>
    </message>
    <message>
        <source>%1; on the lid %2</source>
        <comment>where the lid stands; the pressure on it</comment>
        <translation>%1 ; sur le couvercle : %2</translation>
    </message>
    <message>
        <source>The height of the box, in per cent of the scenario file&apos;s box: the lid (the top of the box) moves down to compress the atoms and back up to let them expand, from 100 % down to %1 %. It moves slowly, at a pace at which the soft wall pushes the atoms ahead of it, and never pushes an atom deep into its wall.</source>
        <translation>La hauteur de la boîte, en pourcentage de celle du fichier de scénario : le couvercle (le haut de la boîte) descend pour comprimer les atomes et remonte pour les laisser se détendre, de 100 % jusqu&apos;à %1 %. Il se déplace lentement, à une allure qui permet à la paroi souple de pousser les atomes devant elle, et n&apos;enfonce jamais un atome profondément dans sa paroi.</translation>
    </message>
</context>
<context>
    <name>lab::units</name>
    <message>
        <source>model units</source>
        <translation>unités du modèle</translation>
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
        <translation>Vers le zéro absolu</translation>
    </message>
    <message>
        <source>Cool water down toward 0 K and watch what happens to the motion of its particles.</source>
        <translation>Refroidissez de l&apos;eau jusqu&apos;à près de 0 K et observez ce que devient le mouvement de ses particules.</translation>
    </message>
    <message>
        <source>Water at room temperature</source>
        <translation>L&apos;eau à température ambiante</translation>
    </message>
    <message>
        <source>Here is water at room temperature, 296 K. Its particles slide past each other.</source>
        <translation>Voici de l&apos;eau à température ambiante, 296 K. Ses particules glissent les unes sur les autres.</translation>
    </message>
    <message>
        <source>Let the water run for a few seconds, then measure again.</source>
        <translation>Laissez l&apos;eau évoluer quelques secondes, puis mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Very cold</source>
        <translation>Très froid</translation>
    </message>
    <message>
        <source>The thermostat now cools the water to 100 K (−173 °C). Watch the temperature graph in the Lab fall.</source>
        <translation>Le thermostat refroidit maintenant l&apos;eau jusqu&apos;à 100 K (−173 °C). Regardez descendre le graphique de la température dans le laboratoire.</translation>
    </message>
    <message>
        <source>Wait until the temperature graph has levelled out at 100 K, then measure again.</source>
        <translation>Attendez que le graphique de la température se stabilise à 100 K, puis mesurez à nouveau.</translation>
    </message>
    <message>
        <source>They slide past each other faster</source>
        <translation>Elles glissent plus vite les unes sur les autres</translation>
    </message>
    <message>
        <source>They hardly move from their places</source>
        <translation>Elles ne quittent presque plus leur place</translation>
    </message>
    <message>
        <source>They fly apart</source>
        <translation>Elles se dispersent</translation>
    </message>
    <message>
        <source>How do the particles move now?</source>
        <translation>Comment les particules bougent-elles maintenant ?</translation>
    </message>
    <message>
        <source>Look at the share of moving particles you measured.</source>
        <translation>Regardez la proportion mesurée de particules qui se déplacent.</translation>
    </message>
    <message>
        <source>Almost absolute zero</source>
        <translation>Presque au zéro absolu</translation>
    </message>
    <message>
        <source>Now the thermostat goes down to 1 K, almost as cold as anything can be.</source>
        <translation>Le thermostat descend maintenant à 1 K : on ne peut presque pas faire plus froid.</translation>
    </message>
    <message>
        <source>Wait until the temperature graph has levelled out near 0 K, then measure again.</source>
        <translation>Attendez que le graphique de la température se stabilise près de 0 K, puis mesurez à nouveau.</translation>
    </message>
    <message>
        <source>The particles almost stop</source>
        <translation>Les particules s&apos;arrêtent presque</translation>
    </message>
    <message>
        <source>The particles keep moving as fast as before</source>
        <translation>Les particules bougent toujours aussi vite</translation>
    </message>
    <message>
        <source>The particles turn into a gas</source>
        <translation>Les particules forment un gaz</translation>
    </message>
    <message>
        <source>What happens to the particles as the temperature comes close to 0 K?</source>
        <translation>Que deviennent les particules quand la température s&apos;approche de 0 K ?</translation>
    </message>
    <message>
        <source>Temperature measures how fast the particles move.</source>
        <translation>La température mesure la vitesse d&apos;agitation des particules.</translation>
    </message>
    <message>
        <source>Below zero?</source>
        <translation>En dessous de zéro ?</translation>
    </message>
    <message>
        <source>Try to move the Lab&apos;s thermostat below 0 K.</source>
        <translation>Essayez de régler le thermostat du laboratoire en dessous de 0 K.</translation>
    </message>
    <message>
        <source>Yes, the thermostat goes below 0 K</source>
        <translation>Oui, le thermostat descend en dessous de 0 K</translation>
    </message>
    <message>
        <source>No, 0 K is the lowest there is</source>
        <translation>Non, 0 K est la température la plus basse qui soit</translation>
    </message>
    <message>
        <source>Can anything be colder than 0 K?</source>
        <translation>Quelque chose peut-il être plus froid que 0 K ?</translation>
    </message>
    <message>
        <source>At 0 K the particles would not move at all: can they move less than that?</source>
        <translation>À 0 K, les particules ne bougeraient plus du tout : peuvent-elles bouger moins que cela ?</translation>
    </message>
    <message>
        <source>The boiling range</source>
        <translation>La plage d&apos;ébullition</translation>
    </message>
    <message>
        <source>Heat water in a closed box and follow how much of it turns to vapour.</source>
        <translation>Chauffez de l&apos;eau dans une boîte fermée et suivez la part qui se transforme en vapeur.</translation>
    </message>
    <message>
        <source>Here is water at room temperature (296 K, 23 °C) in a closed box. Gravity holds the liquid at the bottom.</source>
        <translation>Voici de l&apos;eau à température ambiante (296 K, 23 °C) dans une boîte fermée. La pesanteur maintient le liquide au fond.</translation>
    </message>
    <message>
        <source>Even now a few molecules have escaped from the liquid: they fly about above it as vapour.</source>
        <translation>Déjà, quelques molécules se sont échappées du liquide : elles se déplacent au-dessus de lui sous forme de vapeur.</translation>
    </message>
    <message>
        <source>Let the water settle for a few seconds at 296 K, then measure again.</source>
        <translation>Laissez l&apos;eau se stabiliser quelques secondes à 296 K, puis mesurez à nouveau.</translation>
    </message>
    <message>
        <source>At 100 °C</source>
        <translation>À 100 °C</translation>
    </message>
    <message>
        <source>Real water boils at 373 K (100 °C) under the air&apos;s pressure. The thermostat now holds the water there.</source>
        <translation>L&apos;eau réelle bout à 373 K (100 °C) à la pression atmosphérique. Le thermostat maintient à présent l&apos;eau à cette température.</translation>
    </message>
    <message>
        <source>Wait until the temperature in the Lab has settled at 373 K for a few seconds, then measure.</source>
        <translation>Attendez que la température affichée dans le laboratoire soit stable à 373 K depuis quelques secondes, puis mesurez.</translation>
    </message>
    <message>
        <source>Give the water a few seconds at 373 K before you measure: evaporation takes time.</source>
        <translation>Laissez l&apos;eau quelques secondes à 373 K avant de mesurer : l&apos;évaporation prend du temps.</translation>
    </message>
    <message>
        <source>Most of it is still liquid</source>
        <translation>La plus grande partie est encore liquide</translation>
    </message>
    <message>
        <source>Half of it is vapour</source>
        <translation>La moitié est sous forme de vapeur</translation>
    </message>
    <message>
        <source>All of it is vapour</source>
        <translation>Toute l&apos;eau est sous forme de vapeur</translation>
    </message>
    <message>
        <source>How much of the water has turned to vapour at 373 K?</source>
        <translation>Quelle part de l&apos;eau s&apos;est transformée en vapeur à 373 K ?</translation>
    </message>
    <message>
        <source>Compare the share of vapour you measured with 50 %.</source>
        <translation>Comparez à 50 % la proportion de vapeur que vous avez mesurée.</translation>
    </message>
    <message>
        <source>Hotter</source>
        <translation>Plus chaud</translation>
    </message>
    <message>
        <source>The thermostat now holds the water at 450 K.</source>
        <translation>Le thermostat maintient à présent l&apos;eau à 450 K.</translation>
    </message>
    <message>
        <source>Give the water a few seconds at 450 K before you measure.</source>
        <translation>Laissez l&apos;eau quelques secondes à 450 K avant de mesurer.</translation>
    </message>
    <message>
        <source>Hotter still</source>
        <translation>Encore plus chaud</translation>
    </message>
    <message>
        <source>And now at 650 K.</source>
        <translation>Et maintenant à 650 K.</translation>
    </message>
    <message>
        <source>Give the water a few seconds at 650 K before you measure.</source>
        <translation>Laissez l&apos;eau quelques secondes à 650 K avant de mesurer.</translation>
    </message>
    <message>
        <source>Between 296 K and 373 K</source>
        <translation>Entre 296 K et 373 K</translation>
    </message>
    <message>
        <source>Between 450 K and 650 K</source>
        <translation>Entre 450 K et 650 K</translation>
    </message>
    <message>
        <source>Above 650 K</source>
        <translation>Au-dessus de 650 K</translation>
    </message>
    <message>
        <source>Between which of the temperatures did the water go from mostly liquid to mostly vapour?</source>
        <translation>Entre quelles températures la plus grande partie de l&apos;eau est-elle passée de l&apos;état liquide à l&apos;état de vapeur ?</translation>
    </message>
    <message>
        <source>Look at the four shares you measured: where does the share of vapour pass 50 %?</source>
        <translation>Regardez les quatre proportions que vous avez mesurées : où la proportion de vapeur dépasse-t-elle 50 % ?</translation>
    </message>
    <message>
        <source>A range, not a point</source>
        <translation>Une plage, pas un point</translation>
    </message>
    <message>
        <source>In a closed box the water does not boil all at once: the hotter it is, the more of it is vapour, until none is left.</source>
        <translation>Dans une boîte fermée, l&apos;eau ne bout pas d&apos;un seul coup : plus elle est chaude, plus la part de vapeur est grande, jusqu&apos;à ce qu&apos;il ne reste plus de liquide.</translation>
    </message>
    <message>
        <source>Why does real water in a pan boil at one temperature, while the water in the box turned to vapour over a range?</source>
        <translation>Pourquoi l&apos;eau réelle, dans une casserole, bout-elle à une seule température, alors que l&apos;eau de la boîte s&apos;est transformée en vapeur sur toute une plage de températures ?</translation>
    </message>
    <message>
        <source>Pressure and volume (Boyle&apos;s law)</source>
        <translation>Pression et volume (loi de Boyle-Mariotte)</translation>
    </message>
    <message>
        <source>Squeeze air with the lid of the box and see how its pressure changes with its volume.</source>
        <translation>Comprimez de l&apos;air avec le couvercle de la boîte et observez comment sa pression varie avec son volume.</translation>
    </message>
    <message>
        <source>Air in a box</source>
        <translation>De l&apos;air dans une boîte</translation>
    </message>
    <message>
        <source>Here is air (nitrogen) at room temperature in a closed box. Its molecules fly about and bounce off the walls. Every bounce pushes the wall: together the pushes are the pressure of the gas.</source>
        <translation>Voici de l&apos;air (du diazote) à température ambiante dans une boîte fermée. Ses molécules se déplacent en tous sens et rebondissent sur les parois. Chaque rebond pousse la paroi : l&apos;ensemble de ces poussées constitue la pression du gaz.</translation>
    </message>
    <message>
        <source>The walls are soft: each pushes a molecule back only within a thin skin. The volume of the gas is the room inside the skins, where the molecules fly freely.</source>
        <translation>Les parois sont souples : chacune ne repousse une molécule que dans une fine couche à sa surface. Le volume du gaz est l&apos;espace situé à l&apos;intérieur de ces couches, où les molécules se déplacent librement.</translation>
    </message>
    <message>
        <source>What is the pressure of the gas? Read it in the Lab (Wall pressure, in kPa).</source>
        <translation>Quelle est la pression du gaz ? Lisez-la dans le laboratoire (« Pression sur les parois », en kPa).</translation>
    </message>
    <message>
        <source>The Lab&apos;s readouts show the wall pressure; choose kPa as the pressure unit.</source>
        <translation>Le panneau « Mesures » du laboratoire affiche la pression sur les parois ; choisissez kPa comme unité de pression.</translation>
    </message>
    <message>
        <source>Its volume</source>
        <translation>Son volume</translation>
    </message>
    <message>
        <source>The program measures the room inside the walls.</source>
        <translation>Le programme mesure l&apos;espace disponible entre les parois.</translation>
    </message>
    <message>
        <source>Half the volume</source>
        <translation>La moitié du volume</translation>
    </message>
    <message>
        <source>The lid (the top of the box) now moves down until the gas has half the room it had. It moves slowly, so that the molecules are pushed ahead of it.</source>
        <translation>Le couvercle (le haut de la boîte) descend maintenant jusqu&apos;à ce que le gaz ne dispose plus que de la moitié de l&apos;espace qu&apos;il avait. Il se déplace lentement, de sorte que les molécules sont poussées devant lui.</translation>
    </message>
    <message>
        <source>Wait until the lid has stopped and the pressure graph has levelled out, then measure.</source>
        <translation>Attendez que le couvercle se soit arrêté et que le graphique de la pression se soit stabilisé, puis mesurez.</translation>
    </message>
    <message>
        <source>Wait until the lid has stopped and the pressure graph runs level, then measure again.</source>
        <translation>Attendez que le couvercle se soit arrêté et que le graphique de la pression soit stable, puis mesurez à nouveau.</translation>
    </message>
    <message>
        <source>It about doubled</source>
        <translation>Elle a environ doublé</translation>
    </message>
    <message>
        <source>It about halved</source>
        <translation>Elle a environ diminué de moitié</translation>
    </message>
    <message>
        <source>It stayed the same</source>
        <translation>Elle est restée la même</translation>
    </message>
    <message>
        <source>When the volume halved, what happened to the pressure?</source>
        <translation>Quand le volume a été divisé par deux, qu&apos;est devenue la pression ?</translation>
    </message>
    <message>
        <source>Compare the pressure you measured now with the one in step 1.</source>
        <translation>Comparez la pression que vous venez de mesurer à celle de l&apos;étape 1.</translation>
    </message>
    <message>
        <source>The volume now</source>
        <translation>Le volume à présent</translation>
    </message>
    <message>
        <source>Wait until the lid has stopped, then measure again.</source>
        <translation>Attendez que le couvercle se soit arrêté, puis mesurez à nouveau.</translation>
    </message>
    <message>
        <source>A third of the volume</source>
        <translation>Le tiers du volume</translation>
    </message>
    <message>
        <source>The lid moves down further, until the gas has a third of the room it had at first.</source>
        <translation>Le couvercle descend encore, jusqu&apos;à ce que le gaz ne dispose plus que du tiers de l&apos;espace qu&apos;il avait au départ.</translation>
    </message>
    <message>
        <source>About three times the first pressure</source>
        <translation>Environ le triple de la pression initiale</translation>
    </message>
    <message>
        <source>About a third of the first pressure</source>
        <translation>Environ le tiers de la pression initiale</translation>
    </message>
    <message>
        <source>The same as the first pressure</source>
        <translation>La même que la pression initiale</translation>
    </message>
    <message>
        <source>What is the pressure now, compared with the first one?</source>
        <translation>Que vaut la pression maintenant, par rapport à la pression initiale ?</translation>
    </message>
    <message>
        <source>Divide the pressure you measured now by the one in step 1.</source>
        <translation>Divisez la pression que vous venez de mesurer par celle de l&apos;étape 1.</translation>
    </message>
    <message>
        <source>Boyle&apos;s law</source>
        <translation>La loi de Boyle-Mariotte</translation>
    </message>
    <message>
        <source>Robert Boyle found in 1662 that, at a fixed temperature, the pressure of a gas times its volume stays the same: halve the volume and the pressure doubles.</source>
        <translation>Robert Boyle a découvert en 1662 (et Edme Mariotte, de son côté, en 1676) qu&apos;à température constante, le produit de la pression d&apos;un gaz par son volume reste le même : si l&apos;on divise le volume par deux, la pression double.</translation>
    </message>
    <message>
        <source>Explain with the molecules why a gas in half the volume presses twice as hard on its walls.</source>
        <translation>Expliquez, à l&apos;aide des molécules, pourquoi un gaz enfermé dans un volume deux fois plus petit appuie deux fois plus fort sur ses parois.</translation>
    </message>
    <message>
        <source>Evaporation and evaporative cooling</source>
        <translation>L&apos;évaporation et le refroidissement par évaporation</translation>
    </message>
    <message>
        <source>Watch molecules escape from water, and see the water cool when nothing warms it.</source>
        <translation>Observez des molécules s&apos;échapper de l&apos;eau, et voyez l&apos;eau se refroidir quand rien ne la chauffe.</translation>
    </message>
    <message>
        <source>Water in a small box</source>
        <translation>De l&apos;eau dans une petite boîte</translation>
    </message>
    <message>
        <source>Here is hot water, at 400 K (127 °C), in a closed box. The lid is down, so the water has little room above it. A few molecules escape from the liquid and fly about as vapour; as many fall back.</source>
        <translation>Voici de l&apos;eau chaude, à 400 K (127 °C), dans une boîte fermée. Le couvercle est baissé : l&apos;eau a donc peu d&apos;espace au-dessus d&apos;elle. Quelques molécules s&apos;échappent du liquide et se déplacent sous forme de vapeur ; il en retombe autant.</translation>
    </message>
    <message>
        <source>Wait until the lid has stopped and the water has settled, then measure again.</source>
        <translation>Attendez que le couvercle se soit arrêté et que l&apos;eau se soit stabilisée, puis mesurez à nouveau.</translation>
    </message>
    <message>
        <source>No more heat</source>
        <translation>Plus d&apos;échange de chaleur</translation>
    </message>
    <message>
        <source>Now the thermostat is switched off: nothing heats or cools the water any more, its energy stays as it is.</source>
        <translation>Le thermostat est maintenant coupé : plus rien ne chauffe ni ne refroidit l&apos;eau, son énergie reste constante.</translation>
    </message>
    <message>
        <source>The lid goes back up, so the vapour gets more room. Watch the water.</source>
        <translation>Le couvercle remonte : la vapeur dispose donc de plus d&apos;espace. Observez l&apos;eau.</translation>
    </message>
    <message>
        <source>Wait until the lid is back at the top and a few more seconds have passed, then measure.</source>
        <translation>Attendez que le couvercle soit revenu en haut, puis encore quelques secondes, avant de mesurer.</translation>
    </message>
    <message>
        <source>More molecules escape and stay in the vapour</source>
        <translation>Davantage de molécules s&apos;échappent et restent dans la vapeur</translation>
    </message>
    <message>
        <source>The molecules stop escaping</source>
        <translation>Les molécules cessent de s&apos;échapper</translation>
    </message>
    <message>
        <source>All the water turns to vapour</source>
        <translation>Toute l&apos;eau se transforme en vapeur</translation>
    </message>
    <message>
        <source>What happens when the vapour gets more room?</source>
        <translation>Que se passe-t-il quand la vapeur dispose de plus d&apos;espace ?</translation>
    </message>
    <message>
        <source>Compare the share of vapour now with the one in step 1.</source>
        <translation>Comparez la proportion de vapeur actuelle à celle de l&apos;étape 1.</translation>
    </message>
    <message>
        <source>Colder</source>
        <translation>Plus froid</translation>
    </message>
    <message>
        <source>Look at the temperature graph in the Lab: the water started at 400 K.</source>
        <translation>Regardez le graphique de la température dans le laboratoire : au départ, l&apos;eau était à 400 K.</translation>
    </message>
    <message>
        <source>Wait until the lid is back at the top and the temperature graph has levelled out.</source>
        <translation>Attendez que le couvercle soit revenu en haut et que le graphique de la température se soit stabilisé.</translation>
    </message>
    <message>
        <source>The fastest molecules escape and take their energy with them</source>
        <translation>Les molécules les plus rapides s&apos;échappent en emportant leur énergie</translation>
    </message>
    <message>
        <source>Heat flows out through the walls</source>
        <translation>De la chaleur s&apos;échappe à travers les parois</translation>
    </message>
    <message>
        <source>The lid cools the water</source>
        <translation>Le couvercle refroidit l&apos;eau</translation>
    </message>
    <message>
        <source>Nothing cooled the water from outside, yet it got colder. Why?</source>
        <translation>Rien n&apos;a refroidi l&apos;eau depuis l&apos;extérieur, et pourtant sa température a baissé. Pourquoi ?</translation>
    </message>
    <message>
        <source>Only a molecule moving fast enough can pull free of its neighbours.</source>
        <translation>Seule une molécule assez rapide peut s&apos;arracher à ses voisines.</translation>
    </message>
    <message>
        <source>Sweat</source>
        <translation>La transpiration</translation>
    </message>
    <message>
        <source>Your skin cools when sweat evaporates from it.</source>
        <translation>Votre peau se refroidit quand la sueur s&apos;évapore à sa surface.</translation>
    </message>
    <message>
        <source>Explain why sweating cools you down, using what you saw.</source>
        <translation>À partir de ce que vous avez observé, expliquez pourquoi transpirer vous rafraîchit.</translation>
    </message>
    <message>
        <source>The heating curve and latent heat</source>
        <translation>La courbe de chauffe et la chaleur latente</translation>
    </message>
    <message>
        <source>Plot the heating curve of quartz and measure the energy it takes to melt it.</source>
        <translation>Tracez la courbe de chauffe du quartz et mesurez l&apos;énergie nécessaire pour le faire fondre.</translation>
    </message>
    <message>
        <source>The heating curve</source>
        <translation>La courbe de chauffe</translation>
    </message>
    <message>
        <source>The thermostat heats quartz steadily from 1,500 K to 2,500 K. The Lab plots the heating curve: the measured temperature against the total energy per particle.</source>
        <translation>Le thermostat chauffe le quartz régulièrement de 1&#xa0;500 K à 2&#xa0;500 K. Le laboratoire trace la courbe de chauffe : la température mesurée en fonction de l&apos;énergie totale par particule.</translation>
    </message>
    <message>
        <source>Wait until the ramp has reached 2,500 K, then look at the curve.</source>
        <translation>Attendez que la rampe ait atteint 2&#xa0;500 K, puis observez la courbe.</translation>
    </message>
    <message>
        <source>The ramp must run to the end. Press Set up again to heat the quartz again from 1,500 K.</source>
        <translation>La rampe doit aller jusqu&apos;au bout. Appuyez sur « Refaire la mise en place » pour chauffer de nouveau le quartz à partir de 1&#xa0;500 K.</translation>
    </message>
    <message>
        <source>The temperature hardly rises while the energy grows</source>
        <translation>La température monte à peine alors que l&apos;énergie augmente</translation>
    </message>
    <message>
        <source>The temperature rises fastest</source>
        <translation>La température monte plus vite que partout ailleurs</translation>
    </message>
    <message>
        <source>The energy stays the same</source>
        <translation>L&apos;énergie reste la même</translation>
    </message>
    <message>
        <source>What happens on the flat part of the curve?</source>
        <translation>Que se passe-t-il sur la partie plate de la courbe ?</translation>
    </message>
    <message>
        <source>Along the flat part, read the temperature at its two ends, and the energy.</source>
        <translation>Sur la partie plate, lisez la température et l&apos;énergie à ses deux extrémités.</translation>
    </message>
    <message>
        <source>Latent heat</source>
        <translation>La chaleur latente</translation>
    </message>
    <message>
        <source>On the plateau, the energy the thermostat gives goes into breaking the crystal apart, not into making the particles faster. This hidden energy is the latent heat of melting.</source>
        <translation>Sur le palier, l&apos;énergie fournie par le thermostat sert à briser la structure du cristal, et non à rendre les particules plus rapides. Cette énergie « cachée » est la chaleur latente de fusion.</translation>
    </message>
    <message>
        <source>The plateau must lie on the curve: let the ramp run to 2,500 K.</source>
        <translation>Le palier doit figurer sur la courbe : laissez la rampe aller jusqu&apos;à 2&#xa0;500 K.</translation>
    </message>
    <message>
        <source>How much energy did the quartz take up along the plateau, per mole? Read the energy at both ends of the flat part.</source>
        <translation>Quelle énergie le quartz a-t-il absorbée pendant le palier, par mole ? Lisez l&apos;énergie aux deux extrémités de la partie plate.</translation>
    </message>
    <message>
        <source>Read the total energy where the curve starts to run flat and where it climbs again, and subtract.</source>
        <translation>Lisez l&apos;énergie totale là où la courbe devient plate et là où elle remonte, puis faites la différence.</translation>
    </message>
    <message>
        <source>Why it matters</source>
        <translation>Pourquoi c&apos;est important</translation>
    </message>
    <message>
        <source>Ice in a drink stays at 0 °C until it has all melted, however warm the room: the heat goes into melting it.</source>
        <translation>Dans une boisson, la glace reste à 0 °C jusqu&apos;à ce qu&apos;elle ait entièrement fondu, même dans une pièce très chaude : la chaleur reçue sert à la faire fondre.</translation>
    </message>
    <message>
        <source>Use the heating curve to explain why a drink with ice stays cold until the ice is gone.</source>
        <translation>À l&apos;aide de la courbe de chauffe, expliquez pourquoi une boisson avec des glaçons reste froide tant que la glace n&apos;a pas entièrement fondu.</translation>
    </message>
    <message>
        <source>The melting point</source>
        <translation>Le point de fusion</translation>
    </message>
    <message>
        <source>Heat quartz slowly, find the temperature where it melts, and compare it with the real one.</source>
        <translation>Chauffez lentement du quartz, trouvez la température à laquelle il fond et comparez-la à la valeur réelle.</translation>
    </message>
    <message>
        <source>Solid quartz</source>
        <translation>Le quartz solide</translation>
    </message>
    <message>
        <source>Sand is quartz. Here is a small crystal of it at room temperature: its atoms shake about fixed places.</source>
        <translation>Le sable, c&apos;est du quartz. Voici un petit cristal de quartz à température ambiante : ses atomes vibrent autour de positions fixes.</translation>
    </message>
    <message>
        <source>Quartz melts far hotter than anything in a kitchen. You will heat it with the Lab&apos;s thermostat until it melts.</source>
        <translation>Le quartz fond à une température bien plus élevée que tout ce qu&apos;on trouve dans une cuisine. Vous allez le chauffer avec le thermostat du laboratoire jusqu&apos;à ce qu&apos;il fonde.</translation>
    </message>
    <message>
        <source>Let the crystal run for a few seconds at room temperature, then measure again.</source>
        <translation>Laissez le cristal évoluer quelques secondes à température ambiante, puis mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Heat it slowly</source>
        <translation>Chauffez-le lentement</translation>
    </message>
    <message>
        <source>The thermostat now heats the quartz steadily from 1,500 K to 2,500 K. The Lab draws the heating curve: the temperature of the atoms against the energy they were given.</source>
        <translation>Le thermostat chauffe maintenant le quartz régulièrement de 1&#xa0;500 K à 2&#xa0;500 K. Le laboratoire trace la courbe de chauffe : la température des atomes en fonction de l&apos;énergie qu&apos;ils ont reçue.</translation>
    </message>
    <message>
        <source>While the crystal warms, the curve climbs steadily. Where it melts, the energy goes into breaking the crystal apart instead of making the atoms faster: the curve runs flat for a while. That flat stretch is the melting plateau.</source>
        <translation>Tant que le cristal se réchauffe, la courbe monte régulièrement. Là où il fond, l&apos;énergie sert à briser la structure du cristal au lieu de rendre les atomes plus rapides : la courbe reste plate pendant un moment. Cette partie plate est le palier de fusion.</translation>
    </message>
    <message>
        <source>Wait until the ramp has reached 2,500 K (the thermostat in the Lab shows it), then press Measure.</source>
        <translation>Attendez que la rampe ait atteint 2&#xa0;500 K (le thermostat du laboratoire l&apos;indique), puis appuyez sur « Mesurer ».</translation>
    </message>
    <message>
        <source>The ramp must run to the end without a pause. Press Set up again to heat the quartz again from 1,500 K.</source>
        <translation>La rampe doit aller jusqu&apos;au bout sans interruption. Appuyez sur « Refaire la mise en place » pour chauffer de nouveau le quartz à partir de 1&#xa0;500 K.</translation>
    </message>
    <message>
        <source>Read the temperature of the flat stretch off the heating curve. At what temperature does the quartz melt?</source>
        <translation>Lisez sur la courbe de chauffe la température de la partie plate. À quelle température le quartz fond-il ?</translation>
    </message>
    <message>
        <source>Find where the curve runs nearly level: read its temperature off the axis on the left (in kelvin).</source>
        <translation>Repérez l&apos;endroit où la courbe est presque horizontale : lisez sa température sur l&apos;axe de gauche (en kelvins).</translation>
    </message>
    <message>
        <source>Liquid quartz</source>
        <translation>Le quartz liquide</translation>
    </message>
    <message>
        <source>The crystal has melted: its atoms now slide past each other.</source>
        <translation>Le cristal a fondu : ses atomes glissent maintenant les uns sur les autres.</translation>
    </message>
    <message>
        <source>Real quartz melts at 1,986 K (1,713 °C). The model&apos;s atoms attract each other with a strength chosen so that the model melts near the real melting point.</source>
        <translation>Le quartz réel fond à 1&#xa0;986 K (1&#xa0;713 °C). Les atomes du modèle s&apos;attirent avec une intensité choisie pour que le modèle fonde près du point de fusion réel.</translation>
    </message>
    <message>
        <source>Did the ramp reach 2,500 K? If not, press Set up again on the step before.</source>
        <translation>La rampe a-t-elle atteint 2&#xa0;500 K ? Sinon, revenez à l&apos;étape précédente et appuyez sur « Refaire la mise en place ».</translation>
    </message>
    <message>
        <source>Within 5 % of it</source>
        <translation>Le même, à 5 % près</translation>
    </message>
    <message>
        <source>About twice as hot</source>
        <translation>Environ le double</translation>
    </message>
    <message>
        <source>About half as hot</source>
        <translation>Environ la moitié</translation>
    </message>
    <message>
        <source>How does the melting point you measured compare with the real one, 1,986 K?</source>
        <translation>Comment le point de fusion que vous avez mesuré se situe-t-il par rapport au point de fusion réel, 1&#xa0;986 K ?</translation>
    </message>
    <message>
        <source>Divide your measured melting point by 1,986 K.</source>
        <translation>Divisez par 1&#xa0;986 K le point de fusion que vous avez mesuré.</translation>
    </message>
    <message>
        <source>The phase diagram</source>
        <translation>Le diagramme de phases</translation>
    </message>
    <message>
        <source>Cool and squeeze air and follow its state on the phase diagram of nitrogen.</source>
        <translation>Refroidissez et comprimez de l&apos;air, et suivez son état sur le diagramme de phases du diazote.</translation>
    </message>
    <message>
        <source>Air at room temperature</source>
        <translation>L&apos;air à température ambiante</translation>
    </message>
    <message>
        <source>The Lab&apos;s phase diagram shows, for every temperature and pressure, whether nitrogen is a solid, a liquid or a gas. The dot marks the air in the box now.</source>
        <translation>Le diagramme de phases du laboratoire indique, pour chaque température et chaque pression, si le diazote est solide, liquide ou gazeux. Le point marque l&apos;état actuel de l&apos;air dans la boîte.</translation>
    </message>
    <message>
        <source>Let the air run for a few seconds, then measure again.</source>
        <translation>Laissez l&apos;air évoluer quelques secondes, puis mesurez à nouveau.</translation>
    </message>
    <message>
        <source>In the gas region</source>
        <translation>Dans le domaine gazeux</translation>
    </message>
    <message>
        <source>In the liquid region</source>
        <translation>Dans le domaine liquide</translation>
    </message>
    <message>
        <source>In the solid region</source>
        <translation>Dans le domaine solide</translation>
    </message>
    <message>
        <source>Where does the dot lie on the phase diagram?</source>
        <translation>Où se trouve le point sur le diagramme de phases ?</translation>
    </message>
    <message>
        <source>Read the name of the region around the dot.</source>
        <translation>Lisez le nom du domaine autour du point.</translation>
    </message>
    <message>
        <source>Cold and squeezed</source>
        <translation>Froid et comprimé</translation>
    </message>
    <message>
        <source>The thermostat now cools the air to 77 K (−196 °C), and the lid squeezes it into 60 % of the box. Watch the dot move on the diagram, and watch the molecules in the box.</source>
        <translation>Le thermostat refroidit maintenant l&apos;air jusqu&apos;à 77 K (−196 °C), et le couvercle le comprime dans 60 % de la boîte. Regardez le point se déplacer sur le diagramme, et observez les molécules dans la boîte.</translation>
    </message>
    <message>
        <source>Wait until the lid has stopped and drops have formed, then measure.</source>
        <translation>Attendez que le couvercle se soit arrêté et que des gouttes se soient formées, puis mesurez.</translation>
    </message>
    <message>
        <source>Wait a little longer: the molecules need time to find each other and form a liquid.</source>
        <translation>Attendez encore un peu : les molécules ont besoin de temps pour se rassembler et former un liquide.</translation>
    </message>
    <message>
        <source>Near the line between liquid and gas</source>
        <translation>Près de la courbe entre liquide et gaz</translation>
    </message>
    <message>
        <source>Deep in the gas region</source>
        <translation>En plein domaine gazeux</translation>
    </message>
    <message>
        <source>Where is the dot now?</source>
        <translation>Où se trouve le point maintenant ?</translation>
    </message>
    <message>
        <source>Liquid and gas side by side: on which line of the diagram can both be at once?</source>
        <translation>Du liquide et du gaz côte à côte : sur quelle courbe du diagramme les deux peuvent-ils coexister ?</translation>
    </message>
    <message>
        <source>Colder still</source>
        <translation>Encore plus froid</translation>
    </message>
    <message>
        <source>The thermostat now cools the nitrogen to 40 K, below its melting point (63 K).</source>
        <translation>Le thermostat refroidit maintenant le diazote jusqu&apos;à 40 K, en dessous de son point de fusion (63 K).</translation>
    </message>
    <message>
        <source>Wait until the temperature has settled at 40 K, then measure again.</source>
        <translation>Attendez que la température se soit stabilisée à 40 K, puis mesurez à nouveau.</translation>
    </message>
    <message>
        <source>It froze: the molecules stay in their places</source>
        <translation>Il s&apos;est solidifié : les molécules restent à leur place</translation>
    </message>
    <message>
        <source>It boiled away</source>
        <translation>Il s&apos;est entièrement vaporisé</translation>
    </message>
    <message>
        <source>Nothing changed</source>
        <translation>Rien n&apos;a changé</translation>
    </message>
    <message>
        <source>What happened to the liquid nitrogen?</source>
        <translation>Qu&apos;est devenu le diazote liquide ?</translation>
    </message>
    <message>
        <source>Compare the share of moving molecules with what a liquid has.</source>
        <translation>Comparez la proportion de molécules qui se déplacent à celle d&apos;un liquide.</translation>
    </message>
    <message>
        <source>Reading the diagram</source>
        <translation>Lire le diagramme</translation>
    </message>
    <message>
        <source>Use the phase diagram to explain how you can turn a gas into a liquid without cooling it.</source>
        <translation>À l&apos;aide du diagramme de phases, expliquez comment on peut transformer un gaz en liquide sans le refroidir.</translation>
    </message>
    <message>
        <source>The three states</source>
        <translation>Les trois états</translation>
    </message>
    <message>
        <source>Visit a solid, a liquid and a gas, and describe how their particles move.</source>
        <translation>Découvrez un solide, un liquide et un gaz, et décrivez comment leurs particules bougent.</translation>
    </message>
    <message>
        <source>A solid: quartz</source>
        <translation>Un solide : le quartz</translation>
    </message>
    <message>
        <source>Sand is made of quartz. Here are a few hundred of its atoms at room temperature (23 °C), in a box seen in perspective.</source>
        <translation>Le sable est constitué de quartz. Voici quelques centaines de ses atomes à température ambiante (23 °C), dans une boîte vue en perspective.</translation>
    </message>
    <message>
        <source>Watch the atoms for a while. Do they stay where they are, or do they wander about?</source>
        <translation>Observez les atomes un moment. Restent-ils à leur place, ou se promènent-ils un peu partout ?</translation>
    </message>
    <message>
        <source>They shake about fixed places</source>
        <translation>En vibrant autour de positions fixes</translation>
    </message>
    <message>
        <source>They slide past each other</source>
        <translation>En glissant tout en restant en contact</translation>
    </message>
    <message>
        <source>They fly about freely</source>
        <translation>En se déplaçant librement en tous sens</translation>
    </message>
    <message>
        <source>How do the atoms of the solid move?</source>
        <translation>Comment les atomes du solide bougent-ils ?</translation>
    </message>
    <message>
        <source>Look at one atom in the large view for a few seconds: does it ever leave its neighbours?</source>
        <translation>Suivez un atome dans la grande vue pendant quelques secondes : quitte-t-il parfois ses voisins ?</translation>
    </message>
    <message>
        <source>The share of moving atoms is taken over the last 1,000 steps: let the simulation run, then press Measure again.</source>
        <translation>La proportion d&apos;atomes qui se déplacent est calculée sur les 1&#xa0;000 derniers pas : laissez la simulation tourner, puis appuyez à nouveau sur « Mesurer ».</translation>
    </message>
    <message>
        <source>A liquid: water</source>
        <translation>Un liquide : l&apos;eau</translation>
    </message>
    <message>
        <source>Now water at the same temperature. Its particles attract each other just as the quartz atoms do, but less strongly.</source>
        <translation>Voici maintenant de l&apos;eau à la même température. Ses particules s&apos;attirent comme les atomes du quartz, mais moins fortement.</translation>
    </message>
    <message>
        <source>Watch how the particles move now.</source>
        <translation>Observez maintenant comment les particules bougent.</translation>
    </message>
    <message>
        <source>How do the particles of the liquid move?</source>
        <translation>Comment les particules du liquide bougent-elles ?</translation>
    </message>
    <message>
        <source>The particles stay close together, but do they keep the same neighbours?</source>
        <translation>Les particules restent proches les unes des autres, mais gardent-elles toujours les mêmes voisines ?</translation>
    </message>
    <message>
        <source>Let the water run for a few seconds before you measure.</source>
        <translation>Laissez l&apos;eau évoluer quelques secondes avant de mesurer.</translation>
    </message>
    <message>
        <source>A gas: nitrogen</source>
        <translation>Un gaz : le diazote</translation>
    </message>
    <message>
        <source>Air is mostly nitrogen. Here it is at room temperature, in a box that is tiny but still mostly empty space.</source>
        <translation>L&apos;air est composé principalement de diazote. Le voici à température ambiante, dans une boîte minuscule, mais pourtant presque entièrement vide.</translation>
    </message>
    <message>
        <source>How do the molecules of the gas move?</source>
        <translation>Comment les molécules du gaz bougent-elles ?</translation>
    </message>
    <message>
        <source>Does a molecule of the gas have neighbours that it stays with?</source>
        <translation>Une molécule du gaz a-t-elle des voisines dont elle reste proche ?</translation>
    </message>
    <message>
        <source>Let the gas run for a few seconds before you measure.</source>
        <translation>Laissez le gaz évoluer quelques secondes avant de mesurer.</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparaison</translation>
    </message>
    <message>
        <source>You have seen all three states of matter, each at the same temperature.</source>
        <translation>Vous avez vu les trois états de la matière, tous à la même température.</translation>
    </message>
    <message>
        <source>In one sentence: how far apart are the particles in a solid, a liquid and a gas?</source>
        <translation>En une phrase : les particules sont-elles proches ou éloignées les unes des autres dans un solide, dans un liquide et dans un gaz ?</translation>
    </message>
    <message>
        <source>The energy of two atoms</source>
        <translation>L&apos;énergie de deux atomes</translation>
    </message>
    <message>
        <source>Read the depth and the bond length off the energy of two water particles, and find the bond length again among the particles of the liquid.</source>
        <translation>Lisez la profondeur du puits et la longueur de liaison sur la courbe d&apos;énergie de deux particules d&apos;eau, puis retrouvez cette longueur de liaison parmi les particules du liquide.</translation>
    </message>
    <message>
        <source>The energy curve</source>
        <translation>La courbe d&apos;énergie</translation>
    </message>
    <message>
        <source>The Interactions window shows the energy of two water particles against their distance. Far apart they do not feel each other; closer, they attract, and the energy falls into a well; closer still, they push each other away.</source>
        <translation>La fenêtre « Interactions » montre l&apos;énergie de deux particules d&apos;eau en fonction de leur distance. Très éloignées, elles ne se ressentent pas ; plus proches, elles s&apos;attirent et l&apos;énergie descend dans un puits ; plus proches encore, elles se repoussent.</translation>
    </message>
    <message>
        <source>How deep is the well? Read it off the energy axis (in kJ/mol), as a positive number.</source>
        <translation>Quelle est la profondeur du puits ? Lisez-la sur l&apos;axe des énergies (en kJ/mol), sous forme de nombre positif.</translation>
    </message>
    <message>
        <source>Find the lowest point of the curve and read its energy on the left axis; leave out the minus sign.</source>
        <translation>Repérez le point le plus bas de la courbe et lisez son énergie sur l&apos;axe de gauche ; omettez le signe moins.</translation>
    </message>
    <message>
        <source>The bond length</source>
        <translation>La longueur de liaison</translation>
    </message>
    <message>
        <source>The distance at the bottom of the well is where two particles would rest: the bond length.</source>
        <translation>La distance au fond du puits est celle à laquelle deux particules resteraient au repos : c&apos;est la longueur de liaison.</translation>
    </message>
    <message>
        <source>At what distance is the bottom of the well? Read it off the distance axis (in ångström).</source>
        <translation>À quelle distance se trouve le fond du puits ? Lisez-la sur l&apos;axe des distances (en ångströms).</translation>
    </message>
    <message>
        <source>Find the lowest point of the curve and read its distance on the bottom axis.</source>
        <translation>Repérez le point le plus bas de la courbe et lisez sa distance sur l&apos;axe du bas.</translation>
    </message>
    <message>
        <source>Neighbours in the liquid</source>
        <translation>Le voisinage dans le liquide</translation>
    </message>
    <message>
        <source>The same window shows how often pairs of particles in the liquid lie at each distance right now: the peaks are the shells of neighbours around a particle.</source>
        <translation>La même fenêtre montre à quelle fréquence des paires de particules du liquide se trouvent, en ce moment, à chaque distance : les pics correspondent aux couches de voisines autour d&apos;une particule.</translation>
    </message>
    <message>
        <source>Let the liquid run for a moment, then measure again.</source>
        <translation>Laissez le liquide évoluer un moment, puis mesurez à nouveau.</translation>
    </message>
    <message>
        <source>Close to the bottom of the well</source>
        <translation>Près du fond du puits</translation>
    </message>
    <message>
        <source>Much farther than the bottom of the well</source>
        <translation>Bien plus loin que le fond du puits</translation>
    </message>
    <message>
        <source>Much closer than the bottom of the well</source>
        <translation>Bien plus près que le fond du puits</translation>
    </message>
    <message>
        <source>Where is the highest peak of the distances, compared with the bottom of the well?</source>
        <translation>Où se situe le pic le plus haut des distances, par rapport au fond du puits ?</translation>
    </message>
    <message>
        <source>Compare the distance of the highest peak with the bond length you read in step 2.</source>
        <translation>Comparez la distance du pic le plus haut à la longueur de liaison que vous avez lue à l&apos;étape 2.</translation>
    </message>
</context>
<context>
    <name>material</name>
    <message>
        <source>nitrogen</source>
        <translation>diazote</translation>
    </message>
    <message>
        <source>oxygen</source>
        <translation>dioxygène</translation>
    </message>
    <message>
        <source>quartz</source>
        <translation>quartz</translation>
    </message>
    <message>
        <source>water</source>
        <translation>eau</translation>
    </message>
</context>
<context>
    <name>phase</name>
    <message>
        <source>solid</source>
        <translation>solide</translation>
    </message>
    <message>
        <source>liquid</source>
        <translation>liquide</translation>
    </message>
    <message>
        <source>gas</source>
        <translation>gaz</translation>
    </message>
    <message>
        <source>supercooled liquid</source>
        <translation>liquide en surfusion</translation>
    </message>
    <message>
        <source>solid and liquid</source>
        <translation>solide et liquide</translation>
    </message>
    <message>
        <source>liquid and gas</source>
        <translation>liquide et gaz</translation>
    </message>
    <message>
        <source>solid and gas</source>
        <translation>solide et gaz</translation>
    </message>
</context>
<context>
    <name>scene</name>
    <message>
        <source>%1
and %2</source>
        <translation>%1
et %2</translation>
    </message>
</context>
<context>
    <name>scene::AtomViewAccessible</name>
    <message>
        <source>Atoms</source>
        <translation>Atomes</translation>
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
        <translation>Aller à l&apos;élément suivant</translation>
    </message>
    <message>
        <source>Move to the previous control</source>
        <translation>Aller à l&apos;élément précédent</translation>
    </message>
    <message>
        <source>On a place in the landscape: load its simulation</source>
        <translation>Sur un lieu du paysage : charger sa simulation</translation>
    </message>
    <message>
        <source>On the atom view: open the large view</source>
        <translation>Sur la vue des atomes : ouvrir la grande vue</translation>
    </message>
    <message>
        <source>On the season bar: summer or winter</source>
        <translation>Sur la barre des saisons : été ou hiver</translation>
    </message>
    <message>
        <source>On the time-of-day bar: earlier or later in the day</source>
        <translation>Sur la barre de l&apos;heure : plus tôt ou plus tard dans la journée</translation>
    </message>
    <message>
        <source>In the large view: turn the box left or right</source>
        <translation>Dans la grande vue : tourner la boîte vers la gauche ou vers la droite</translation>
    </message>
    <message>
        <source>In the large view: tip the box up or down</source>
        <translation>Dans la grande vue : incliner la boîte vers le haut ou vers le bas</translation>
    </message>
    <message>
        <source>In the large view: colour the atoms by speed, or by material</source>
        <translation>Dans la grande vue : colorer les atomes selon leur vitesse ou selon leur substance</translation>
    </message>
    <message>
        <source>In the large view: full screen, or back</source>
        <translation>Dans la grande vue : plein écran, ou retour</translation>
    </message>
    <message>
        <source>In the large view: export the picture</source>
        <translation>Dans la grande vue : exporter l&apos;image</translation>
    </message>
    <message>
        <source>Close a menu or a dialog</source>
        <translation>Fermer un menu ou une boîte de dialogue</translation>
    </message>
    <message>
        <source>In the large view: zoom in or out</source>
        <translation>Dans la grande vue : zoomer ou dézoomer</translation>
    </message>
    <message>
        <source>In the large view: back to the front view</source>
        <translation>Dans la grande vue : revenir à la vue de face</translation>
    </message>
</context>
<context>
    <name>scene::PictureBox</name>
    <message>
        <source>The picture file %1 is missing or is not a picture that can be read.</source>
        <translation>Le fichier image %1 est absent ou n&apos;est pas une image lisible.</translation>
    </message>
</context>
<context>
    <name>scene::ThermometerAccessible</name>
    <message>
        <source>Thermometer</source>
        <translation>Thermomètre</translation>
    </message>
</context>
<context>
    <name>views::AtomColour</name>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>type %1</source>
        <translation>type %1</translation>
    </message>
</context>
<context>
    <name>views::InteractionsWindow</name>
    <message>
        <source>Interactions</source>
        <translation>Interactions</translation>
    </message>
    <message>
        <source>Pairs of materials</source>
        <translation>Paires de substances</translation>
    </message>
    <message>
        <source>The curve is the energy of two atoms at distance r; the green line shows how often the atoms keep each distance now, against an even spread through the box (1).</source>
        <translation>La courbe donne l&apos;énergie de deux atomes à la distance r ; la ligne verte indique à quelle fréquence les atomes se trouvent actuellement à chaque distance, par rapport à une répartition uniforme dans la boîte (1).</translation>
    </message>
    <message>
        <source>Pair energy and distances of %1</source>
        <translation>Énergie de paire et distances (%1)</translation>
    </message>
    <message>
        <source>%1 atoms</source>
        <translation>Atomes %1</translation>
    </message>
</context>
<context>
    <name>views::LargeView</name>
    <message>
        <source>speed, %1</source>
        <translation>vitesse, %1</translation>
    </message>
    <message>
        <source>The box cannot be shown:
%1</source>
        <translation>Impossible d&apos;afficher la boîte :
%1</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1 : %2 (%3)</translation>
    </message>
    <message>
        <source>Atoms shown: %1</source>
        <translation>Atomes affichés : %1</translation>
    </message>
    <message>
        <source>Seen from the front.</source>
        <translation>Vue de face.</translation>
    </message>
    <message>
        <source>Turned %1° to the right.</source>
        <translation>Rotation de %1° vers la droite.</translation>
    </message>
    <message>
        <source>Turned %1° to the left.</source>
        <translation>Rotation de %1° vers la gauche.</translation>
    </message>
    <message>
        <source>Tipped %1° toward you.</source>
        <translation>Inclinaison de %1° vers vous.</translation>
    </message>
    <message>
        <source>Tipped %1° away from you.</source>
        <translation>Inclinaison de %1° vers l&apos;arrière.</translation>
    </message>
    <message>
        <source>Shown %1 times as large as at first.</source>
        <translation>Affichage %1 fois plus grand qu&apos;au départ.</translation>
    </message>
    <message>
        <source>Coloured by material.</source>
        <translation>Couleurs selon la substance.</translation>
    </message>
    <message>
        <source>Coloured by speed, from blue for the slowest (%1) through grey to yellow for the fastest (%2).</source>
        <translation>Couleurs selon la vitesse, du bleu pour les plus lents (%1) au jaune pour les plus rapides (%2), en passant par le gris.</translation>
    </message>
    <message>
        <source>Coloured by speed, from blue for the slowest (%1) through green to red for the fastest (%2).</source>
        <translation>Couleurs selon la vitesse, du bleu pour les plus lents (%1) au rouge pour les plus rapides (%2), en passant par le vert.</translation>
    </message>
    <message>
        <source>Arrow keys turn the box, + and - zoom, Home shows the front view, C colours by speed or by material.</source>
        <translation>Les touches fléchées font tourner la boîte, + et - zooment, Début affiche la vue de face, C colore selon la vitesse ou selon la substance.</translation>
    </message>
    <message>
        <source>No atoms are shown.</source>
        <translation>Aucun atome n&apos;est affiché.</translation>
    </message>
</context>
<context>
    <name>views::LargeViewCanvas</name>
    <message>
        <source>Drag to turn the box, wheel to zoom, double-click for the front view</source>
        <translation>Faire glisser pour tourner la boîte, molette pour zoomer, double-clic pour la vue de face</translation>
    </message>
    <message>
        <source>Atoms in 3-D</source>
        <translation>Atomes en 3D</translation>
    </message>
</context>
<context>
    <name>views::LargeViewWindow</name>
    <message>
        <source>Large View</source>
        <translation>Grande vue</translation>
    </message>
    <message>
        <source>View tools</source>
        <translation>Outils de la vue</translation>
    </message>
    <message>
        <source>&amp;Colour by Speed</source>
        <translation>&amp;Couleur selon la vitesse</translation>
    </message>
    <message>
        <source>Colour the atoms by speed (C), or by material</source>
        <translation>Colorer les atomes selon la vitesse (C) ou selon la substance</translation>
    </message>
    <message>
        <source>&amp;Front View</source>
        <translation>Vue de &amp;face</translation>
    </message>
    <message>
        <source>Back to the view of the main window (double-click or Home)</source>
        <translation>Revenir à la vue de la fenêtre principale (double-clic ou Début)</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>Fill the screen with the view, or back to a window (F11)</source>
        <translation>Afficher la vue en plein écran, ou revenir à une fenêtre (F11)</translation>
    </message>
    <message>
        <source>&amp;Export Picture…</source>
        <translation>&amp;Exporter l&apos;image…</translation>
    </message>
    <message>
        <source>Save the picture as a PNG file (Ctrl+Shift+S)</source>
        <translation>Enregistrer l&apos;image en fichier PNG (Ctrl+Maj+S)</translation>
    </message>
</context>
<context>
    <name>views::PairChart</name>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 de %2 à %3</translation>
    </message>
    <message>
        <source>distance r (%1)</source>
        <translation>distance r (%1)</translation>
    </message>
    <message>
        <source>pair energy V(r) (%1)</source>
        <translation>énergie de paire V(r) (%1)</translation>
    </message>
    <message>
        <source>radial distribution g(r)</source>
        <translation>distribution radiale g(r)</translation>
    </message>
    <message>
        <source>%1: none kept yet</source>
        <translation>%1 : aucune distance relevée pour l&apos;instant</translation>
    </message>
    <message>
        <source>%1, highest %2</source>
        <translation>%1, maximum %2</translation>
    </message>
    <message>
        <source>Across: %1. Left: %2. Right: %3. Curves: %4.</source>
        <translation>Axe horizontal : %1. À gauche : %2. À droite : %3. Courbes : %4.</translation>
    </message>
    <message>
        <source>%1 at %2 %3</source>
        <translation>%1 à %2 %3</translation>
    </message>
    <message>
        <source>pair energy V(r)</source>
        <translation>énergie de paire V(r)</translation>
    </message>
    <message>
        <source>bond length %1, energy %2</source>
        <translation>longueur de liaison %1, énergie %2</translation>
    </message>
    <message>
        <source>cut-off %1</source>
        <translation>rayon de coupure %1</translation>
    </message>
    <message>
        <source>distances kept now: g(r)</source>
        <translation>distances actuelles : g(r)</translation>
    </message>
</context>
<context>
    <name>views::PictureExport</name>
    <message>
        <source>There is no picture to save.</source>
        <translation>Il n&apos;y a aucune image à enregistrer.</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture cannot be saved as %1:
%2</source>
        <translation>Impossible d&apos;enregistrer l&apos;image sous %1 :
%2</translation>
    </message>
</context>
<context>
    <name>views::ShownUnit</name>
    <message>
        <source>model units</source>
        <translation>unités du modèle</translation>
    </message>
</context>
</TS>
