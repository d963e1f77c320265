<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Shows how matter behaves at the level of atoms.</source>
        <translation>Mostra como a matéria se comporta ao nível dos átomos.</translation>
    </message>
    <message>
        <source>Open the Lab beside the main window.</source>
        <translation>Abrir o Laboratório ao lado da janela principal.</translation>
    </message>
    <message>
        <source>Open the large 3-D view of the atoms.</source>
        <translation>Abrir a vista grande dos átomos em 3D.</translation>
    </message>
    <message>
        <source>Open the Experiments window at this experiment: its title, its file name without .experiment, or an experiment file.</source>
        <translation>Abrir a janela Experiências nesta experiência: o seu título, o nome do seu ficheiro sem .experiment, ou um ficheiro de experiência.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOME</translation>
    </message>
    <message>
        <source>A scenario file to run at start.</source>
        <translation>Um ficheiro de cenário a executar no arranque.</translation>
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
        <translation>O Corvanta passará a usar este idioma a partir do próximo arranque.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Idioma do &amp;sistema</translation>
    </message>
</context>
<context>
    <name>frmOrvelModel</name>
    <message>
        <source>Open Experiment</source>
        <translation>Abrir experiência</translation>
    </message>
    <message>
        <source>Experiments (*.experiment);;All files (*)</source>
        <translation>Experiências (*.experiment);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>There is no worksheet yet: start an experiment first (View &gt; Experiments…).</source>
        <translation>Ainda não há nenhuma folha de trabalho: comece primeiro uma experiência (Ver &gt; Experiências…).</translation>
    </message>
    <message>
        <source>There is no experiment called &quot;%1&quot;.

Folders searched: %2</source>
        <translation>Não existe nenhuma experiência chamada «%1».

Pastas procuradas: %2</translation>
    </message>
    <message>
        <source>Time of Day</source>
        <translation>Hora do dia</translation>
    </message>
    <message>
        <source>From morning to evening: the sun and the temperature follow</source>
        <translation>Da manhã à noite: o sol e a temperatura acompanham a hora</translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation>Átomos</translation>
    </message>
    <message>
        <source>The atoms of the chosen place moving in their box</source>
        <translation>Os átomos do local escolhido a moverem-se na sua caixa</translation>
    </message>
    <message>
        <source>Evening</source>
        <translation>Noite</translation>
    </message>
    <message>
        <source>Morning</source>
        <translation>Manhã</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Run Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Run Time for MD Model</source>
        <translation>Tempo de execução do modelo de dinâmica molecular</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>Screen Update (Frames Per Second)</source>
        <translation>Atualização do ecrã (imagens por segundo)</translation>
    </message>
    <message>
        <source># Atoms</source>
        <translation>N.º de átomos</translation>
    </message>
    <message>
        <source>Number of Atoms in Simulation</source>
        <translation>Número de átomos na simulação</translation>
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
        <translation>Simulação</translation>
    </message>
    <message>
        <source>Simulation Type</source>
        <translation>Tipo de simulação</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Estação</translation>
    </message>
    <message>
        <source>Summer</source>
        <translation>Verão</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Inverno</translation>
    </message>
    <message>
        <source>Simulation: %1</source>
        <translation>Simulação: %1</translation>
    </message>
    <message>
        <source>The mouse icon %1 is missing or cannot be read.

Folders searched: %2

The program reads its pictures and scenarios from the folder it is started in, or else from its installed data folder.</source>
        <translation>O ícone do rato %1 não existe ou não pode ser lido.

Pastas procuradas: %2

O programa lê as suas imagens e cenários da pasta a partir da qual é iniciado ou, se aí não estiverem, da sua pasta de dados instalada.</translation>
    </message>
    <message>
        <source># Atoms : %1</source>
        <translation>N.º de átomos: %1</translation>
    </message>
    <message>
        <source>A picture of the sun cannot be read:
%1

Folders searched: %2

The program runs on without the sun.</source>
        <translation>Não é possível ler uma imagem do sol:
%1

Pastas procuradas: %2

O programa continua sem o sol.</translation>
    </message>
    <message>
        <source>A picture of an atom cannot be read:
%1

Folders searched: %2</source>
        <translation>Não é possível ler uma imagem de um átomo:
%1

Pastas procuradas: %2</translation>
    </message>
    <message>
        <source>Summer or winter; now %1</source>
        <translation>Verão ou inverno; agora: %1</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paisagem</translation>
    </message>
    <message>
        <source>Choose a place in the landscape to see its atoms</source>
        <translation>Escolha um local da paisagem para ver os seus átomos</translation>
    </message>
    <message>
        <source>Water and air</source>
        <translation>Água e ar</translation>
    </message>
    <message>
        <source>View Water/Air Interface</source>
        <translation>Ver a interface água/ar</translation>
    </message>
    <message>
        <source>Water and rock</source>
        <translation>Água e rocha</translation>
    </message>
    <message>
        <source>View Water/Rock Interface</source>
        <translation>Ver a interface água/rocha</translation>
    </message>
    <message>
        <source>Sand</source>
        <translation>Areia</translation>
    </message>
    <message>
        <source>View Sand</source>
        <translation>Ver a areia</translation>
    </message>
    <message>
        <source>Dark rock</source>
        <translation>Rocha escura</translation>
    </message>
    <message>
        <source>View Solid Dark Rock</source>
        <translation>Ver a rocha escura sólida</translation>
    </message>
    <message>
        <source>Cloud</source>
        <translation>Nuvem</translation>
    </message>
    <message>
        <source>View Cloud</source>
        <translation>Ver a nuvem</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Ar</translation>
    </message>
    <message>
        <source>View Air Molecules</source>
        <translation>Ver as moléculas do ar</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Água</translation>
    </message>
    <message>
        <source>View Water</source>
        <translation>Ver a água</translation>
    </message>
    <message>
        <source>Thermometer bulb</source>
        <translation>Bolbo do termómetro</translation>
    </message>
    <message>
        <source>Thermometer</source>
        <translation>Termómetro</translation>
    </message>
    <message>
        <source>Thermometer tube</source>
        <translation>Tubo do termómetro</translation>
    </message>
    <message>
        <source>&amp;1 step per tick</source>
        <translation>&amp;1 passo por ciclo</translation>
    </message>
    <message>
        <source>&amp;2 steps per tick</source>
        <translation>&amp;2 passos por ciclo</translation>
    </message>
    <message>
        <source>&amp;5 steps per tick</source>
        <translation>&amp;5 passos por ciclo</translation>
    </message>
    <message>
        <source>1&amp;0 steps per tick</source>
        <translation>1&amp;0 passos por ciclo</translation>
    </message>
    <message>
        <source>20 &amp;steps per tick</source>
        <translation>20 &amp;passos por ciclo</translation>
    </message>
    <message>
        <source>50 steps &amp;per tick</source>
        <translation>50 passos por &amp;ciclo</translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation>&amp;Alto contraste</translation>
    </message>
    <message>
        <source>Draw the Lab, its graphs and the large view in white and bright colours on black, for a projector</source>
        <translation>Desenhar o Laboratório, os seus gráficos e a vista grande a branco e em cores vivas sobre fundo preto, para um projetor</translation>
    </message>
    <message>
        <source>Speed &amp;Colours</source>
        <translation>&amp;Cores da velocidade</translation>
    </message>
    <message>
        <source>Blue to &amp;Red</source>
        <translation>Do azul ao &amp;vermelho</translation>
    </message>
    <message>
        <source>Blue to &amp;Yellow (for red-green colour blindness)</source>
        <translation>Do azul ao &amp;amarelo (para daltonismo vermelho-verde)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>&amp;Open Scenario…</source>
        <translation>&amp;Abrir cenário…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;recentes</translation>
    </message>
    <message>
        <source>Open Ex&amp;periment…</source>
        <translation>Abrir &amp;experiência…</translation>
    </message>
    <message>
        <source>Open a guided experiment file, such as one a teacher wrote</source>
        <translation>Abrir um ficheiro de experiência guiada, por exemplo um escrito por um professor</translation>
    </message>
    <message>
        <source>&amp;Save Snapshot…</source>
        <translation>&amp;Guardar instantâneo…</translation>
    </message>
    <message>
        <source>Save the atoms as they are now as a scenario file; loading it draws fresh velocities for its temperature, as for every scenario file</source>
        <translation>Guardar os átomos tal como estão agora num ficheiro de cenário; ao carregá-lo, são sorteadas novas velocidades para a sua temperatura, como em qualquer ficheiro de cenário</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>&amp;Picture…</source>
        <translation>&amp;Imagem…</translation>
    </message>
    <message>
        <source>Save the atom view as a PNG picture</source>
        <translation>Guardar a vista dos átomos como imagem PNG</translation>
    </message>
    <message>
        <source>&amp;Worksheet…</source>
        <translation>&amp;Folha de trabalho…</translation>
    </message>
    <message>
        <source>Write the open experiment&apos;s worksheet, with your answers and the values measured, as a PDF or a web page</source>
        <translation>Escrever a folha de trabalho da experiência aberta, com as suas respostas e os valores medidos, em PDF ou como página web</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Single Component</source>
        <translation>&amp;Um componente</translation>
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
        <translation>&amp;Gás</translation>
    </message>
    <message>
        <source>&amp;Double Component</source>
        <translation>&amp;Dois componentes</translation>
    </message>
    <message>
        <source>&amp;Solid-Liquid</source>
        <translation>&amp;Sólido-líquido</translation>
    </message>
    <message>
        <source>Solid-&amp;Gas</source>
        <translation>Sólido-&amp;gás</translation>
    </message>
    <message>
        <source>&amp;Liquid-Gas</source>
        <translation>&amp;Líquido-gás</translation>
    </message>
    <message>
        <source>&amp;Follow the Ambient Temperature</source>
        <translation>Seguir a temperatura &amp;ambiente</translation>
    </message>
    <message>
        <source>Hold the atoms at the temperature of the season and the time of day</source>
        <translation>Manter os átomos à temperatura da estação e da hora do dia</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>&amp;Simulação</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>Pa&amp;sso</translation>
    </message>
    <message>
        <source>One tick while paused</source>
        <translation>Um ciclo, com a simulação em pausa</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>&amp;Velocidade</translation>
    </message>
    <message>
        <source>Re&amp;start</source>
        <translation>Re&amp;iniciar</translation>
    </message>
    <message>
        <source>Load the running scenario&apos;s file again</source>
        <translation>Carregar de novo o ficheiro do cenário em curso</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Lab…</source>
        <translation>&amp;Laboratório…</translation>
    </message>
    <message>
        <source>La&amp;rge View…</source>
        <translation>Vista &amp;grande…</translation>
    </message>
    <message>
        <source>&amp;Interactions…</source>
        <translation>&amp;Interações…</translation>
    </message>
    <message>
        <source>&amp;Experiments…</source>
        <translation>&amp;Experiências…</translation>
    </message>
    <message>
        <source>Guided experiments: the program sets each step up and checks what you measure</source>
        <translation>Experiências guiadas: o programa prepara cada passo e verifica as suas medições</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;Topics</source>
        <translation>&amp;Tópicos</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Em pausa</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Retomar</translation>
    </message>
    <message>
        <source>FPS: %1</source>
        <translation>FPS: %1</translation>
    </message>
    <message>
        <source>Scenario files (*.ams);;All files (*)</source>
        <translation>Ficheiros de cenário (*.ams);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>Open Scenario</source>
        <translation>Abrir cenário</translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation>Guardar instantâneo</translation>
    </message>
    <message>
        <source>The snapshot cannot be saved:
%1</source>
        <translation>Não é possível guardar o instantâneo:
%1</translation>
    </message>
    <message>
        <source>Record Trajectory</source>
        <translation>Gravar trajetória</translation>
    </message>
    <message>
        <source>Extended XYZ (*.xyz);;All files (*)</source>
        <translation>XYZ estendido (*.xyz);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>Write every K-th frame shown. K:</source>
        <translation>Escrever uma em cada K imagens mostradas. K:</translation>
    </message>
    <message>
        <source>The trajectory cannot be recorded:
%1</source>
        <translation>Não é possível gravar a trajetória:
%1</translation>
    </message>
    <message>
        <source>Recording the trajectory has stopped:
%1</source>
        <translation>A gravação da trajetória parou:
%1</translation>
    </message>
    <message>
        <source>Stop Recording the &amp;Trajectory</source>
        <translation>Parar a gravação da &amp;trajetória</translation>
    </message>
    <message>
        <source>&amp;Trajectory…</source>
        <translation>&amp;Trajetória…</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>A gravar em %1</translation>
    </message>
    <message>
        <source>Record every K-th frame shown to an extended-XYZ file</source>
        <translation>Gravar uma em cada K imagens mostradas num ficheiro XYZ estendido</translation>
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
        <translation>Gás</translation>
    </message>
    <message>
        <source>Gas-Gas</source>
        <translation>Gás-gás</translation>
    </message>
    <message>
        <source>Solid-Liquid</source>
        <translation>Sólido-líquido</translation>
    </message>
    <message>
        <source>Solid-Gas</source>
        <translation>Sólido-gás</translation>
    </message>
    <message>
        <source>Liquid-Gas</source>
        <translation>Líquido-gás</translation>
    </message>
    <message>
        <source>

Folders searched: %1</source>
        <translation>

Pastas procuradas: %1</translation>
    </message>
    <message>
        <source>The scenario cannot be loaded:
%1%2

The simulation carries on as it was.</source>
        <translation>Não é possível carregar o cenário:
%1%2

A simulação continua como estava.</translation>
    </message>
    <message>
        <source>The box of %1 cannot be shown:
%2</source>
        <translation>Não é possível mostrar a caixa de %1:
%2</translation>
    </message>
    <message>
        <source>The material card cannot be used:
%1

The scenario runs in model units.</source>
        <translation>Não é possível usar a ficha de material:
%1

O cenário corre em unidades do modelo.</translation>
    </message>
    <message>
        <source>Temperature: %1 %2</source>
        <translation>Temperatura: %1 %2</translation>
    </message>
    <message>
        <source>No simulation yet: choose a place in the landscape</source>
        <translation>Ainda sem simulação: escolha um local da paisagem</translation>
    </message>
    <message>
        <source>atoms: %1</source>
        <translation>átomos: %1</translation>
    </message>
    <message>
        <source>insulated: no heat in or out</source>
        <translation>isolado: sem entrada nem saída de calor</translation>
    </message>
    <message>
        <source>kept at %1 %2</source>
        <translation>temperatura mantida a %1 %2</translation>
    </message>
    <message>
        <source>the lid holds the box at %1 % of its height</source>
        <translation>a tampa mantém a caixa a %1 % da sua altura</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>em pausa</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the parts of the atom view&apos;s summary</comment>
        <translation>; </translation>
    </message>
    <message>
        <source>Disp Time: %1</source>
        <translation>Tempo de desenho: %1</translation>
    </message>
    <message>
        <source>&amp;Keyboard…</source>
        <translation>Te&amp;clado…</translation>
    </message>
    <message>
        <source>List every key the program answers to</source>
        <translation>Listar todas as teclas a que o programa responde</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logótipo</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versão %1.%2</translation>
    </message>
</context>
<context>
    <name>guide::AnswerInput</name>
    <message>
        <source>(choose one)</source>
        <translation>(escolha uma opção)</translation>
    </message>
    <message>
        <source>In %1</source>
        <translation>Em %1</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>A sua resposta</translation>
    </message>
    <message>
        <source>Your choice</source>
        <translation>A sua escolha</translation>
    </message>
</context>
<context>
    <name>guide::ExperimentLibrary</name>
    <message>
        <source>%1 cannot be copied to %2.</source>
        <translation>Não é possível copiar %1 para %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Não é possível criar a pasta %1.</translation>
    </message>
</context>
<context>
    <name>guide::ExperimentSession</name>
    <message>
        <source>The scenario file %1 cannot be found beside the experiment (%2) nor among the program&apos;s own.</source>
        <translation>O ficheiro de cenário %1 não foi encontrado junto da experiência (%2) nem entre os do próprio programa.</translation>
    </message>
    <message>
        <source>The scenario file %1 cannot be loaded.</source>
        <translation>Não é possível carregar o ficheiro de cenário %1.</translation>
    </message>
    <message>
        <source>The scenario has no material card, so a pressure in kPa cannot be held.</source>
        <translation>O cenário não tem ficha de material, por isso não é possível manter uma pressão em kPa.</translation>
    </message>
    <message>
        <source>This step measures %1, which is not running now. Press Set up again to load it.</source>
        <translation>Este passo mede no cenário %1, que não está a correr agora. Prima «Preparar de novo» para o carregar.</translation>
    </message>
    <message>
        <source>The simulation is paused: press Space to run it. %1</source>
        <translation>A simulação está em pausa: prima Espaço para a pôr a correr. %1</translation>
    </message>
</context>
<context>
    <name>guide::ExperimentWindow</name>
    <message>
        <source> (about %1 min)</source>
        <translation> (cerca de %1 min)</translation>
    </message>
    <message>
        <source> — your own</source>
        <translation> — criada por si</translation>
    </message>
    <message>
        <source>Experiments</source>
        <translation>Experiências</translation>
    </message>
    <message>
        <source>&amp;Choose an experiment:</source>
        <translation>&amp;Escolha uma experiência:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>&amp;Open Experiment File…</source>
        <translation>&amp;Abrir ficheiro de experiência…</translation>
    </message>
    <message>
        <source>Step text</source>
        <translation>Texto do passo</translation>
    </message>
    <message>
        <source>Set &amp;up again</source>
        <translation>&amp;Preparar de novo</translation>
    </message>
    <message>
        <source>Do this step&apos;s set-up again: load its scenario, set the thermostat, the lid and the graphs</source>
        <translation>Refazer a preparação deste passo: carregar o seu cenário e regular o termóstato, a tampa e os gráficos</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>&amp;Verificar</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Avaliação</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; A&amp;nterior</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Seguinte &gt;</translation>
    </message>
    <message>
        <source>&amp;All Experiments</source>
        <translation>&amp;Todas as experiências</translation>
    </message>
    <message>
        <source>&amp;Worksheet…</source>
        <translation>&amp;Folha de trabalho…</translation>
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
        <translation>Não é possível abrir esta experiência: %1</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Step %2 of %3: %4</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Passo %2 de %3: %4</translation>
    </message>
    <message>
        <source>The program measures %1.</source>
        <translation>O programa mede %1.</translation>
    </message>
    <message>
        <source>not measured yet</source>
        <translation>ainda não medido</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Folha de trabalho</translation>
    </message>
    <message>
        <source>Your name for the worksheet:</source>
        <translation>O seu nome para a folha de trabalho:</translation>
    </message>
    <message>
        <source>Export Worksheet</source>
        <translation>Exportar folha de trabalho</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;Web page (*.html)</source>
        <translation>PDF (*.pdf);;Página web (*.html)</translation>
    </message>
    <message>
        <source>The worksheet was written to %1.</source>
        <translation>A folha de trabalho foi guardada em %1.</translation>
    </message>
    <message>
        <source>Start the chosen experiment</source>
        <translation>Iniciar a experiência escolhida</translation>
    </message>
    <message>
        <source>Open an experiment file from any folder</source>
        <translation>Abrir um ficheiro de experiência de qualquer pasta</translation>
    </message>
    <message>
        <source>Check your answer and the measurement</source>
        <translation>Verificar a sua resposta e a medição</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>The step before</source>
        <translation>O passo anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Seguinte</translation>
    </message>
    <message>
        <source>The next step</source>
        <translation>O passo seguinte</translation>
    </message>
    <message>
        <source>Back to the list of experiments</source>
        <translation>Voltar à lista de experiências</translation>
    </message>
    <message>
        <source>Write the worksheet to hand in, as PDF or a web page</source>
        <translation>Escrever a folha de trabalho para entregar, em PDF ou como página web</translation>
    </message>
    <message>
        <source>Take this step&apos;s measurement from the running simulation</source>
        <translation>Fazer a medição deste passo na simulação em curso</translation>
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
        <translation>A temperatura é a média de %L1 passos: deixe a simulação correr um pouco mais e volte a medir.</translation>
    </message>
    <message>
        <source>The heating ramp has not passed %1 yet: let it run on, then measure again.</source>
        <translation>A rampa de aquecimento ainda não passou de %1: deixe-a continuar e volte a medir.</translation>
    </message>
    <message>
        <source>The heating curve shows no plateau between %1 and %2. Press Set up again to run the ramp again, and let it run to the end.</source>
        <translation>A curva de aquecimento não mostra nenhum patamar entre %1 e %2. Prima «Preparar de novo» para repetir a rampa e deixe-a correr até ao fim.</translation>
    </message>
    <message>
        <source>The pressure gauge averages over a stretch of the run: let the simulation run a little longer, then measure again.</source>
        <translation>O manómetro faz a média ao longo de um troço da simulação: deixe a simulação correr um pouco mais e volte a medir.</translation>
    </message>
    <message>
        <source>The lid is still moving: measure when it has stopped.</source>
        <translation>A tampa ainda se está a mover: meça quando tiver parado.</translation>
    </message>
    <message>
        <source>The running scenario has no material %1.</source>
        <translation>O cenário em curso não tem o material %1.</translation>
    </message>
    <message>
        <source>The phases are told from the last %L1 steps of the run: let the simulation run a little longer, then measure again.</source>
        <translation>Os estados físicos são determinados a partir dos últimos %L1 passos da simulação: deixe a simulação correr um pouco mais e volte a medir.</translation>
    </message>
    <message>
        <source>Let the simulation run a little, then measure again.</source>
        <translation>Deixe a simulação correr um pouco e volte a medir.</translation>
    </message>
    <message>
        <source>No two atoms of these materials are close together now.</source>
        <translation>Neste momento, não há dois átomos destes materiais próximos um do outro.</translation>
    </message>
    <message>
        <source>The distances cannot be measured in this scenario.</source>
        <translation>Não é possível medir as distâncias neste cenário.</translation>
    </message>
    <message>
        <source>the temperature</source>
        <translation>a temperatura</translation>
    </message>
    <message>
        <source>the plateau of the heating curve</source>
        <translation>o patamar da curva de aquecimento</translation>
    </message>
    <message>
        <source>the energy taken up over the plateau</source>
        <translation>a energia absorvida ao longo do patamar</translation>
    </message>
    <message>
        <source>the pressure on the walls</source>
        <translation>a pressão nas paredes</translation>
    </message>
    <message>
        <source>the room the atoms have inside the walls</source>
        <translation>o espaço de que os átomos dispõem dentro das paredes</translation>
    </message>
    <message>
        <source>the share of atoms moving about</source>
        <translation>a fração de átomos que se deslocam livremente</translation>
    </message>
    <message>
        <source>the share of atoms in the vapour</source>
        <translation>a fração de átomos no vapor</translation>
    </message>
    <message>
        <source>the phase</source>
        <translation>o estado físico</translation>
    </message>
    <message>
        <source>the potential energy per atom</source>
        <translation>a energia potencial por átomo</translation>
    </message>
    <message>
        <source>the depth of the energy well</source>
        <translation>a profundidade do poço de energia</translation>
    </message>
    <message>
        <source>the distance at the bottom of the well</source>
        <translation>a distância no fundo do poço</translation>
    </message>
    <message>
        <source>the most common distance between neighbours</source>
        <translation>a distância mais frequente entre vizinhos</translation>
    </message>
    <message>
        <source>This measurement is not known.</source>
        <translation>Esta medição é desconhecida.</translation>
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
        <translation>%1 está entre %2 e %3</translation>
    </message>
    <message>
        <source>%1 does not lie between %2 and %3</source>
        <translation>%1 não está entre %2 e %3</translation>
    </message>
    <message>
        <source>%1 is above %2</source>
        <translation>%1 está acima de %2</translation>
    </message>
    <message>
        <source>%1 is not above %2</source>
        <translation>%1 não está acima de %2</translation>
    </message>
    <message>
        <source>%1 is below %2</source>
        <translation>%1 está abaixo de %2</translation>
    </message>
    <message>
        <source>%1 is not below %2</source>
        <translation>%1 não está abaixo de %2</translation>
    </message>
    <message>
        <source>it is %1</source>
        <translation>é %1</translation>
    </message>
    <message>
        <source>it is not %1</source>
        <translation>não é %1</translation>
    </message>
    <message>
        <source>Give your answer first.</source>
        <translation>Dê primeiro a sua resposta.</translation>
    </message>
    <message>
        <source>This needs the measurement of step %1: go back and take it.</source>
        <translation>Isto precisa da medição do passo %1: volte atrás e faça-a.</translation>
    </message>
    <message>
        <source>Take the measurement first: press Measure.</source>
        <translation>Faça primeiro a medição: prima «Medir».</translation>
    </message>
    <message>
        <source>Right: %1.</source>
        <translation>Certo: %1.</translation>
    </message>
    <message>
        <source>Read the step again and look at what it shows.</source>
        <translation>Leia de novo o passo e observe o que ele mostra.</translation>
    </message>
    <message>
        <source>Not yet: %1. %2</source>
        <translation>Ainda não: %1. %2</translation>
    </message>
    <message>
        <source>The scenario&apos;s material card does not give the figure this is checked against, so it cannot be checked.</source>
        <translation>A ficha de material do cenário não indica o valor com que isto é comparado, por isso não é possível verificá-lo.</translation>
    </message>
</context>
<context>
    <name>guide::Worksheet</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Choices: </source>
        <translation>Opções: </translation>
    </message>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>A sua resposta</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Valor medido</translation>
    </message>
    <message>
        <source>The worksheet could not be written to %1: %2</source>
        <translation>Não foi possível escrever a folha de trabalho em %1: %2</translation>
    </message>
</context>
<context>
    <name>lab::ChartSummary</name>
    <message>
        <source>Horizontal axis</source>
        <translation>Eixo horizontal</translation>
    </message>
    <message>
        <source>Vertical axis</source>
        <translation>Eixo vertical</translation>
    </message>
    <message>
        <source>%1: %2 to %3</source>
        <comment>axis: range</comment>
        <translation>%1: de %2 a %3</translation>
    </message>
    <message>
        <source>%1: no values yet</source>
        <translation>%1: ainda sem valores</translation>
    </message>
    <message>
        <source>%1: %2 at %3</source>
        <comment>series: y at x</comment>
        <translation>%1: %2 em %3</translation>
    </message>
    <message>
        <source>%1: %2 points</source>
        <translation>%1: %2 pontos</translation>
    </message>
    <message>
        <source>%1: %2 throughout</source>
        <translation>%1: sempre %2</translation>
    </message>
    <message>
        <source>%1: latest %2 at %3</source>
        <comment>series: latest y at x</comment>
        <translation>%1: último valor %2 em %3</translation>
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
        <translation>Laboratório</translation>
    </message>
    <message>
        <source>Phase dia&amp;gram</source>
        <translation>Diagrama de &amp;fases</translation>
    </message>
    <message>
        <source>&amp;Save CSV…</source>
        <translation>&amp;Guardar CSV…</translation>
    </message>
    <message>
        <source>Save every recorded sample as a table: one row per sample, a header row with units</source>
        <translation>Guardar todas as amostras registadas como tabela: uma linha por amostra e uma linha de cabeçalho com as unidades</translation>
    </message>
    <message>
        <source>&amp;Units </source>
        <translation>&amp;Unidades </translation>
    </message>
    <message>
        <source>Temperature unit</source>
        <translation>Unidade de temperatura</translation>
    </message>
    <message>
        <source>The unit of every temperature, here and in the status bar</source>
        <translation>A unidade de todas as temperaturas, aqui e na barra de estado</translation>
    </message>
    <message>
        <source> &amp;Pressure </source>
        <translation> &amp;Pressão </translation>
    </message>
    <message>
        <source>Pressure unit</source>
        <translation>Unidade de pressão</translation>
    </message>
    <message>
        <source>The unit of the wall pressure: kilopascal or standard atmosphere (%1 kPa)</source>
        <translation>A unidade da pressão nas paredes: quilopascal ou atmosfera normal (%1 kPa)</translation>
    </message>
    <message>
        <source>%1 cannot be written: the folder is missing or not writable, or the disk is full.</source>
        <translation>Não é possível escrever %1: a pasta não existe ou não permite escrita, ou o disco está cheio.</translation>
    </message>
    <message>
        <source>Save the recorded series</source>
        <translation>Guardar as séries registadas</translation>
    </message>
    <message>
        <source>CSV tables (*.csv)</source>
        <translation>Tabelas CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>lab::MaterialsPanel</name>
    <message>
        <source>Substance</source>
        <translation>Substância</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>The chemical element the atoms stand for</source>
        <translation>O elemento químico que os átomos representam</translation>
    </message>
    <message>
        <source>Melts</source>
        <translation>Fusão</translation>
    </message>
    <message>
        <source>The real melting point</source>
        <translation>O ponto de fusão real</translation>
    </message>
    <message>
        <source>Boils</source>
        <translation>Ebulição</translation>
    </message>
    <message>
        <source>The real boiling point</source>
        <translation>O ponto de ebulição real</translation>
    </message>
    <message>
        <source>Model melts</source>
        <translation>Fusão no modelo</translation>
    </message>
    <message>
        <source>The melting point measured on the model</source>
        <translation>O ponto de fusão medido no modelo</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Fonte: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>caption: value</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Materials</source>
        <translation>Materiais</translation>
    </message>
    <message>
        <source>The real length of the model&apos;s unit of length</source>
        <translation>O comprimento real da unidade de comprimento do modelo</translation>
    </message>
    <message>
        <source>The real mass of the model&apos;s unit of mass</source>
        <translation>A massa real da unidade de massa do modelo</translation>
    </message>
    <message>
        <source>The real time one step of the simulation lasts</source>
        <translation>O tempo real que dura um passo da simulação</translation>
    </message>
    <message>
        <source>Length unit</source>
        <translation>Unidade de comprimento</translation>
    </message>
    <message>
        <source>Mass unit</source>
        <translation>Unidade de massa</translation>
    </message>
    <message>
        <source>Time step</source>
        <translation>Passo de tempo</translation>
    </message>
    <message>
        <source>No material card: model units</source>
        <translation>Sem ficha de material: unidades do modelo</translation>
    </message>
    <message>
        <source>The material card was refused: model units</source>
        <translation>A ficha de material foi recusada: unidades do modelo</translation>
    </message>
    <message>
        <source>The scenario has no card beside it that names its substances, so it runs in model units</source>
        <translation>O cenário não tem junto de si uma ficha que indique as suas substâncias, por isso corre em unidades do modelo</translation>
    </message>
</context>
<context>
    <name>lab::PhaseDiagram</name>
    <message>
        <source>Your state point</source>
        <translation>O seu estado</translation>
    </message>
    <message>
        <source>Phase diagram of %1</source>
        <translation>Diagrama de fases: %1</translation>
    </message>
    <message>
        <source>temperature against density</source>
        <translation>temperatura em função da massa volúmica</translation>
    </message>
    <message>
        <source>Each state point of the map by its density and temperature; your state point marked large</source>
        <translation>Cada estado do mapa pela sua massa volúmica e temperatura; o seu estado marcado em tamanho grande</translation>
    </message>
    <message>
        <source>pressure against temperature</source>
        <translation>pressão em função da temperatura</translation>
    </message>
    <message>
        <source>Each state point of the map by its temperature and pressure on the walls, pressure on a logarithmic axis; the real triple and critical points marked</source>
        <translation>Cada estado do mapa pela sua temperatura e pela pressão nas paredes, com a pressão num eixo logarítmico; os pontos triplo e crítico reais estão marcados</translation>
    </message>
    <message>
        <source>%1 measured on the model</source>
        <translation>%1: medições no modelo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>material: chart</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Density (%1)</source>
        <translation>Massa volúmica (%1)</translation>
    </message>
    <message>
        <source>real triple point</source>
        <translation>ponto triplo real</translation>
    </message>
    <message>
        <source>real critical point</source>
        <translation>ponto crítico real</translation>
    </message>
    <message>
        <source>Measured on the model: each mark is a state the model of %1 was held at, shaped and coloured by the phases found there. </source>
        <translation>Medido no modelo: cada marca é um estado em que o modelo de %1 foi mantido, com a forma e a cor das fases aí encontradas. </translation>
    </message>
    <message>
        <source>%1 of its %2 state points, where the walls felt no push, are not on the pressure chart. </source>
        <translation>%1 dos seus %2 estados, em que as paredes não sentiram nenhuma força, não aparecem no gráfico da pressão. </translation>
    </message>
    <message>
        <source>Hollow marks and dashed lines: the real substance, from the material card.</source>
        <translation>Marcas vazias e linhas tracejadas: a substância real, segundo a ficha de material.</translation>
    </message>
    <message>
        <source>The material card gives no triple or critical point of the real substance.</source>
        <translation>A ficha de material não indica o ponto triplo nem o ponto crítico da substância real.</translation>
    </message>
    <message>
        <source>Temperature (%1)</source>
        <translation>Temperatura (%1)</translation>
    </message>
    <message>
        <source>Pressure on the walls (%1)</source>
        <translation>Pressão nas paredes (%1)</translation>
    </message>
    <message>
        <source>Your state point: not measured yet</source>
        <translation>O seu estado: ainda não medido</translation>
    </message>
    <message>
        <source>pressure not measured yet</source>
        <translation>pressão ainda não medida</translation>
    </message>
    <message>
        <source>Your state point: %1 %2, %3 %4, %5</source>
        <translation>O seu estado: %1 %2, %3 %4, %5</translation>
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
        <translation>As fases medidas no modelo de cada material a muitas temperaturas e massas volúmicas, com o seu próprio estado e os pontos triplo e crítico da substância real</translation>
    </message>
    <message>
        <source>No scenario runs yet.</source>
        <translation>Ainda não há nenhum cenário a correr.</translation>
    </message>
    <message>
        <source>Material of the phase diagram</source>
        <translation>Material do diagrama de fases</translation>
    </message>
    <message>
        <source>Chooses which material&apos;s phase diagram is shown</source>
        <translation>Escolhe o material cujo diagrama de fases é mostrado</translation>
    </message>
    <message>
        <source>This scenario has no material card, so the Lab cannot tell which substance its atoms stand for, nor whose phase map to show. A card beside the scenario file (X.card beside X.ams) names its substances.</source>
        <translation>Este cenário não tem ficha de material, por isso o Laboratório não consegue saber que substância os seus átomos representam, nem que mapa de fases mostrar. Uma ficha junto do ficheiro de cenário (X.card junto de X.ams) indica as suas substâncias.</translation>
    </message>
    <message>
        <source>With several materials in the box, the density is this material&apos;s own and the pressure the whole box&apos;s, which all of them share</source>
        <translation>Com vários materiais na caixa, a massa volúmica é a deste material e a pressão é a de toda a caixa, comum a todos eles</translation>
    </message>
    <message>
        <source>No phase map has been looked up for %1.</source>
        <translation>Ainda não foi procurado nenhum mapa de fases para %1.</translation>
    </message>
</context>
<context>
    <name>lab::PhaseLegend</name>
    <message>
        <source>Legend</source>
        <translation>Legenda</translation>
    </message>
</context>
<context>
    <name>lab::PhaseMapSource</name>
    <message>
        <source>No phase map has been measured on the model for %1.</source>
        <translation>Não foi medido no modelo nenhum mapa de fases para %1.</translation>
    </message>
    <message>
        <source>The phase map found for %1 is the map of %2.</source>
        <translation>O mapa de fases encontrado para %1 é o mapa de %2.</translation>
    </message>
    <message>
        <source>The phase map of %1 holds no state points yet.</source>
        <translation>O mapa de fases de %1 ainda não contém nenhum estado.</translation>
    </message>
    <message>
        <source>The phase map of %1 cannot be read: %2</source>
        <translation>Não é possível ler o mapa de fases de %1: %2</translation>
    </message>
</context>
<context>
    <name>lab::PhaseWatch</name>
    <message>
        <source>Phase change: %1 is now %2 (was %3).</source>
        <translation>Mudança de estado: %1 passou de %3 a %2.</translation>
    </message>
</context>
<context>
    <name>lab::ReadoutPanel</name>
    <message>
        <source>Per atom, in kilojoules per mole of atoms</source>
        <translation>Por átomo, em quilojoules por mole de átomos</translation>
    </message>
    <message>
        <source>Per atom, in the model&apos;s units: the scenario has no material card</source>
        <translation>Por átomo, em unidades do modelo: o cenário não tem ficha de material</translation>
    </message>
    <message>
        <source>Force of the walls on the atoms per area of the walls&apos; inner faces, averaged like a gauge over the last %1 steps</source>
        <translation>Força das paredes sobre os átomos por unidade de área das faces interiores das paredes, em média ao longo dos últimos %1 passos, como num manómetro</translation>
    </message>
    <message>
        <source>Force of the walls on the atoms per area of the walls&apos; inner faces, averaged like a gauge over the last %1 steps, in the model&apos;s units: the scenario has no material card</source>
        <translation>Força das paredes sobre os átomos por unidade de área das faces interiores das paredes, em média ao longo dos últimos %1 passos, como num manómetro, em unidades do modelo: o cenário não tem ficha de material</translation>
    </message>
    <message>
        <source>Time steps since the scenario started, and the time they simulated</source>
        <translation>Passos de tempo desde o início do cenário e o tempo que simularam</translation>
    </message>
    <message>
        <source>Time steps since the scenario started</source>
        <translation>Passos de tempo desde o início do cenário</translation>
    </message>
    <message>
        <source>Material %1</source>
        <translation>Material %1</translation>
    </message>
    <message>
        <source>Readouts</source>
        <translation>Leituras</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Measured: 2/3 of the mean kinetic energy per atom</source>
        <translation>Medida: 2/3 da energia cinética média por átomo</translation>
    </message>
    <message>
        <source>Kinetic energy</source>
        <translation>Energia cinética</translation>
    </message>
    <message>
        <source>Potential energy</source>
        <translation>Energia potencial</translation>
    </message>
    <message>
        <source>Total energy</source>
        <translation>Energia total</translation>
    </message>
    <message>
        <source>Wall pressure</source>
        <translation>Pressão nas paredes</translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation>Átomos</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Passos</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Atoms times time steps simulated per second</source>
        <translation>Número de átomos vezes passos de tempo simulados por segundo</translation>
    </message>
    <message>
        <source>not measured yet</source>
        <translation>ainda não medido</translation>
    </message>
    <message>
        <source>not told yet</source>
        <translation>ainda não determinado</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>readout: value</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 atom-steps/s</source>
        <translation>%1 átomo-passos/s</translation>
    </message>
    <message>
        <source>Phase from how far the atoms move over 1,000 steps and how many neighbours they keep</source>
        <translation>Estado físico determinado pela distância que os átomos percorrem em 1000 passos e pelo número de vizinhos que mantêm</translation>
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
        <translation>passos</translation>
    </message>
    <message>
        <source>Graphs</source>
        <translation>Gráficos</translation>
    </message>
    <message>
        <source>&amp;Temperature</source>
        <translation>&amp;Temperatura</translation>
    </message>
    <message>
        <source>Temperature graph</source>
        <translation>Gráfico da temperatura</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Passos</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Medida</translation>
    </message>
    <message>
        <source>Thermostat</source>
        <translation>Termóstato</translation>
    </message>
    <message>
        <source>&amp;Energy</source>
        <translation>&amp;Energia</translation>
    </message>
    <message>
        <source>Energy graph</source>
        <translation>Gráfico da energia</translation>
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
        <translation>Pressão nas pare&amp;des</translation>
    </message>
    <message>
        <source>Wall pressure graph</source>
        <translation>Gráfico da pressão nas paredes</translation>
    </message>
    <message>
        <source>On the walls</source>
        <translation>Nas paredes</translation>
    </message>
    <message>
        <source>Heating &amp;curve</source>
        <translation>&amp;Curva de aquecimento</translation>
    </message>
    <message>
        <source>Heating curve graph</source>
        <translation>Gráfico da curva de aquecimento</translation>
    </message>
    <message>
        <source>Measured temperature during the ramp</source>
        <translation>Temperatura medida durante a rampa</translation>
    </message>
    <message>
        <source>Energy per atom (%1)</source>
        <translation>Energia por átomo (%1)</translation>
    </message>
    <message>
        <source>Wall pressure (%1)</source>
        <translation>Pressão nas paredes (%1)</translation>
    </message>
    <message>
        <source>Total energy per atom (%1)</source>
        <translation>Energia total por átomo (%1)</translation>
    </message>
</context>
<context>
    <name>lab::ThermostatPanel</name>
    <message>
        <source>Thermostat</source>
        <translation>Termóstato</translation>
    </message>
    <message>
        <source>&amp;Hold</source>
        <translation>&amp;Manter</translation>
    </message>
    <message>
        <source>Hold the atoms at this temperature, whatever the season or the time of day. Off: the scenario&apos;s own temperature.</source>
        <translation>Manter os átomos a esta temperatura, independentemente da estação ou da hora do dia. Desligado: a temperatura própria do cenário.</translation>
    </message>
    <message>
        <source>&amp;Follow the ambient temperature</source>
        <translation>Seguir a temperatura am&amp;biente</translation>
    </message>
    <message>
        <source>Every change of season or time of day moves the thermostat to the ambient temperature.</source>
        <translation>Cada mudança de estação ou de hora do dia leva o termóstato à temperatura ambiente.</translation>
    </message>
    <message>
        <source>R&amp;amp to</source>
        <translation>R&amp;ampa até</translation>
    </message>
    <message>
        <source> steps</source>
        <translation> passos</translation>
    </message>
    <message>
        <source>Ramp length in steps</source>
        <translation>Duração da rampa em passos</translation>
    </message>
    <message>
        <source>How many time steps the ramp takes to reach its temperature</source>
        <translation>Quantos passos de tempo a rampa demora a atingir a sua temperatura</translation>
    </message>
    <message>
        <source>&amp;Ramp</source>
        <translation>Iniciar &amp;rampa</translation>
    </message>
    <message>
        <source>Move the thermostat steadily to this temperature and plot the heating curve</source>
        <translation>Levar o termóstato gradualmente até esta temperatura e traçar a curva de aquecimento</translation>
    </message>
    <message>
        <source>&amp;Insulated: no heat in or out</source>
        <translation>&amp;Isolado: sem entrada nem saída de calor</translation>
    </message>
    <message>
        <source>No thermostat and no clamp: the atoms keep their total energy, so a liquid that evaporates cools down.</source>
        <translation>Sem termóstato nem limitação da temperatura: os átomos mantêm a sua energia total, por isso um líquido que se evapora arrefece.</translation>
    </message>
    <message>
        <source>The temperature the atoms are held at: from %1 to %2.</source>
        <translation>A temperatura a que os átomos são mantidos: de %1 a %2.</translation>
    </message>
    <message>
        <source>Thermostat temperature, in tenths of %1</source>
        <translation>Temperatura do termóstato, em décimas de %1</translation>
    </message>
    <message>
        <source>Thermostat temperature in %1</source>
        <translation>Temperatura do termóstato em %1</translation>
    </message>
    <message>
        <source>Ramp to temperature in %1</source>
        <translation>Temperatura final da rampa em %1</translation>
    </message>
    <message>
        <source>Stop &amp;ramp</source>
        <translation>Parar &amp;rampa</translation>
    </message>
</context>
<context>
    <name>lab::VolumePanel</name>
    <message>
        <source>Volume and pressure</source>
        <translation>Volume e pressão</translation>
    </message>
    <message>
        <source>Box height in per cent</source>
        <translation>Altura da caixa em percentagem</translation>
    </message>
    <message>
        <source>&amp;Box height</source>
        <translation>Altura da cai&amp;xa</translation>
    </message>
    <message>
        <source>H&amp;old pressure</source>
        <translation>Ma&amp;nter pressão</translation>
    </message>
    <message>
        <source>Hold pressure</source>
        <translation>Manter pressão</translation>
    </message>
    <message>
        <source>Move the lid by itself to keep the pressure on it at this value: slowly, after each reading of its gauge (the lid feels the gas or vapour above a liquid, not the liquid&apos;s weight). Off: the lid stays where it is.</source>
        <translation>Mover a tampa automaticamente para manter nela esta pressão: lentamente, após cada leitura do seu manómetro (a tampa sente o gás ou o vapor por cima de um líquido, não o peso do líquido). Desligado: a tampa fica onde está.</translation>
    </message>
    <message>
        <source>Pressure to hold</source>
        <translation>Pressão a manter</translation>
    </message>
    <message>
        <source>The pressure on the lid to hold, in %1</source>
        <translation>A pressão a manter sobre a tampa, em %1</translation>
    </message>
    <message>
        <source>Pressure to hold in %1</source>
        <translation>Pressão a manter em %1</translation>
    </message>
    <message>
        <source>Lid at the file&apos;s box (100 %)</source>
        <translation>Tampa na caixa do ficheiro (100 %)</translation>
    </message>
    <message>
        <source>Lid at %1 %</source>
        <translation>Tampa a %1 %</translation>
    </message>
    <message>
        <source>Lid at %1 %: waiting</source>
        <translation>Tampa a %1 %: em espera</translation>
    </message>
    <message>
        <source>Lid at %1 %, moving to %2 %</source>
        <translation>Tampa a %1 %, a mover-se para %2 %</translation>
    </message>
    <message>
        <source>%1; on the lid %2</source>
        <comment>where the lid stands; the pressure on it</comment>
        <translation>%1; sobre a tampa %2</translation>
    </message>
    <message>
        <source>The height of the box, in per cent of the scenario file&apos;s box: the lid (the top of the box) moves down to compress the atoms and back up to let them expand, from 100 % down to %1 %. It moves slowly, at a pace at which the soft wall pushes the atoms ahead of it, and never pushes an atom deep into its wall.</source>
        <translation>A altura da caixa, em percentagem da caixa do ficheiro de cenário: a tampa (o topo da caixa) desce para comprimir os átomos e volta a subir para os deixar expandir, de 100 % até %1 %. Move-se lentamente, a um ritmo a que a parede macia empurra os átomos à sua frente, e nunca empurra um átomo para o fundo da sua parede.</translation>
    </message>
</context>
<context>
    <name>lab::units</name>
    <message>
        <source>model units</source>
        <translation>unidades do modelo</translation>
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
        <translation>Rumo ao zero absoluto</translation>
    </message>
    <message>
        <source>Cool water down toward 0 K and watch what happens to the motion of its particles.</source>
        <translation>Arrefeça a água até perto de 0 K e observe o que acontece ao movimento das suas partículas.</translation>
    </message>
    <message>
        <source>Water at room temperature</source>
        <translation>Água à temperatura ambiente</translation>
    </message>
    <message>
        <source>Here is water at room temperature, 296 K. Its particles slide past each other.</source>
        <translation>Eis água à temperatura ambiente, 296 K. As suas partículas deslizam umas sobre as outras.</translation>
    </message>
    <message>
        <source>Let the water run for a few seconds, then measure again.</source>
        <translation>Deixe a simulação da água correr alguns segundos e volte a medir.</translation>
    </message>
    <message>
        <source>Very cold</source>
        <translation>Muito frio</translation>
    </message>
    <message>
        <source>The thermostat now cools the water to 100 K (−173 °C). Watch the temperature graph in the Lab fall.</source>
        <translation>O termóstato arrefece agora a água até 100 K (−173 °C). Observe a descida do gráfico da temperatura no Laboratório.</translation>
    </message>
    <message>
        <source>Wait until the temperature graph has levelled out at 100 K, then measure again.</source>
        <translation>Espere até o gráfico da temperatura estabilizar nos 100 K e volte a medir.</translation>
    </message>
    <message>
        <source>They slide past each other faster</source>
        <translation>Deslizam entre si mais depressa</translation>
    </message>
    <message>
        <source>They hardly move from their places</source>
        <translation>Quase não saem dos seus lugares</translation>
    </message>
    <message>
        <source>They fly apart</source>
        <translation>Afastam-se em todas as direções</translation>
    </message>
    <message>
        <source>How do the particles move now?</source>
        <translation>Como se movem agora as partículas?</translation>
    </message>
    <message>
        <source>Look at the share of moving particles you measured.</source>
        <translation>Observe o valor que mediu para a fração de partículas que se deslocam.</translation>
    </message>
    <message>
        <source>Almost absolute zero</source>
        <translation>Quase no zero absoluto</translation>
    </message>
    <message>
        <source>Now the thermostat goes down to 1 K, almost as cold as anything can be.</source>
        <translation>Agora o termóstato desce até 1 K, quase a temperatura mais baixa possível.</translation>
    </message>
    <message>
        <source>Wait until the temperature graph has levelled out near 0 K, then measure again.</source>
        <translation>Espere até o gráfico da temperatura estabilizar perto de 0 K e volte a medir.</translation>
    </message>
    <message>
        <source>The particles almost stop</source>
        <translation>As partículas quase param</translation>
    </message>
    <message>
        <source>The particles keep moving as fast as before</source>
        <translation>As partículas continuam a mover-se tão depressa como antes</translation>
    </message>
    <message>
        <source>The particles turn into a gas</source>
        <translation>As partículas passam ao estado gasoso</translation>
    </message>
    <message>
        <source>What happens to the particles as the temperature comes close to 0 K?</source>
        <translation>O que acontece às partículas quando a temperatura se aproxima de 0 K?</translation>
    </message>
    <message>
        <source>Temperature measures how fast the particles move.</source>
        <translation>A temperatura mede a rapidez com que as partículas se movem.</translation>
    </message>
    <message>
        <source>Below zero?</source>
        <translation>Abaixo de zero?</translation>
    </message>
    <message>
        <source>Try to move the Lab&apos;s thermostat below 0 K.</source>
        <translation>Tente regular o termóstato do Laboratório para menos de 0 K.</translation>
    </message>
    <message>
        <source>Yes, the thermostat goes below 0 K</source>
        <translation>Sim, o termóstato desce abaixo de 0 K</translation>
    </message>
    <message>
        <source>No, 0 K is the lowest there is</source>
        <translation>Não, 0 K é a temperatura mais baixa que existe</translation>
    </message>
    <message>
        <source>Can anything be colder than 0 K?</source>
        <translation>Pode alguma coisa estar a uma temperatura inferior a 0 K?</translation>
    </message>
    <message>
        <source>At 0 K the particles would not move at all: can they move less than that?</source>
        <translation>A 0 K as partículas não se moveriam de todo: poderão mover-se ainda menos?</translation>
    </message>
    <message>
        <source>The boiling range</source>
        <translation>O intervalo de ebulição</translation>
    </message>
    <message>
        <source>Heat water in a closed box and follow how much of it turns to vapour.</source>
        <translation>Aqueça água numa caixa fechada e acompanhe que parte dela passa a vapor.</translation>
    </message>
    <message>
        <source>Here is water at room temperature (296 K, 23 °C) in a closed box. Gravity holds the liquid at the bottom.</source>
        <translation>Eis água à temperatura ambiente (296 K, 23 °C) numa caixa fechada. A gravidade mantém o líquido no fundo.</translation>
    </message>
    <message>
        <source>Even now a few molecules have escaped from the liquid: they fly about above it as vapour.</source>
        <translation>Mesmo agora, algumas moléculas já escaparam do líquido: movem-se livremente por cima dele, como vapor.</translation>
    </message>
    <message>
        <source>Let the water settle for a few seconds at 296 K, then measure again.</source>
        <translation>Deixe a água estabilizar durante alguns segundos a 296 K e volte a medir.</translation>
    </message>
    <message>
        <source>At 100 °C</source>
        <translation>A 100 °C</translation>
    </message>
    <message>
        <source>Real water boils at 373 K (100 °C) under the air&apos;s pressure. The thermostat now holds the water there.</source>
        <translation>A água real ferve a 373 K (100 °C) à pressão atmosférica. O termóstato mantém agora a água a essa temperatura.</translation>
    </message>
    <message>
        <source>Wait until the temperature in the Lab has settled at 373 K for a few seconds, then measure.</source>
        <translation>Espere até a temperatura no Laboratório se manter estável nos 373 K durante alguns segundos e depois meça.</translation>
    </message>
    <message>
        <source>Give the water a few seconds at 373 K before you measure: evaporation takes time.</source>
        <translation>Deixe a água alguns segundos a 373 K antes de medir: a evaporação leva tempo.</translation>
    </message>
    <message>
        <source>Most of it is still liquid</source>
        <translation>A maior parte ainda é líquida</translation>
    </message>
    <message>
        <source>Half of it is vapour</source>
        <translation>Metade já é vapor</translation>
    </message>
    <message>
        <source>All of it is vapour</source>
        <translation>Toda ela já é vapor</translation>
    </message>
    <message>
        <source>How much of the water has turned to vapour at 373 K?</source>
        <translation>Que parte da água passou a vapor a 373 K?</translation>
    </message>
    <message>
        <source>Compare the share of vapour you measured with 50 %.</source>
        <translation>Compare a fração de vapor que mediu com 50 %.</translation>
    </message>
    <message>
        <source>Hotter</source>
        <translation>Mais quente</translation>
    </message>
    <message>
        <source>The thermostat now holds the water at 450 K.</source>
        <translation>O termóstato mantém agora a água a 450 K.</translation>
    </message>
    <message>
        <source>Give the water a few seconds at 450 K before you measure.</source>
        <translation>Deixe a água alguns segundos a 450 K antes de medir.</translation>
    </message>
    <message>
        <source>Hotter still</source>
        <translation>Ainda mais quente</translation>
    </message>
    <message>
        <source>And now at 650 K.</source>
        <translation>E agora a 650 K.</translation>
    </message>
    <message>
        <source>Give the water a few seconds at 650 K before you measure.</source>
        <translation>Deixe a água alguns segundos a 650 K antes de medir.</translation>
    </message>
    <message>
        <source>Between 296 K and 373 K</source>
        <translation>Entre 296 K e 373 K</translation>
    </message>
    <message>
        <source>Between 450 K and 650 K</source>
        <translation>Entre 450 K e 650 K</translation>
    </message>
    <message>
        <source>Above 650 K</source>
        <translation>Acima de 650 K</translation>
    </message>
    <message>
        <source>Between which of the temperatures did the water go from mostly liquid to mostly vapour?</source>
        <translation>Entre que temperaturas passou a água de ser maioritariamente líquida a ser maioritariamente vapor?</translation>
    </message>
    <message>
        <source>Look at the four shares you measured: where does the share of vapour pass 50 %?</source>
        <translation>Observe as quatro frações que mediu: onde é que a fração de vapor ultrapassa 50 %?</translation>
    </message>
    <message>
        <source>A range, not a point</source>
        <translation>Um intervalo, não um ponto</translation>
    </message>
    <message>
        <source>In a closed box the water does not boil all at once: the hotter it is, the more of it is vapour, until none is left.</source>
        <translation>Numa caixa fechada, a água não ferve toda de uma vez: quanto mais quente está, maior é a parte que é vapor, até não restar nenhum líquido.</translation>
    </message>
    <message>
        <source>Why does real water in a pan boil at one temperature, while the water in the box turned to vapour over a range?</source>
        <translation>Porque é que a água real numa panela ferve a uma só temperatura, enquanto a água da caixa passou a vapor ao longo de um intervalo de temperaturas?</translation>
    </message>
    <message>
        <source>Pressure and volume (Boyle&apos;s law)</source>
        <translation>Pressão e volume (lei de Boyle)</translation>
    </message>
    <message>
        <source>Squeeze air with the lid of the box and see how its pressure changes with its volume.</source>
        <translation>Comprima ar com a tampa da caixa e veja como a sua pressão varia com o volume.</translation>
    </message>
    <message>
        <source>Air in a box</source>
        <translation>Ar numa caixa</translation>
    </message>
    <message>
        <source>Here is air (nitrogen) at room temperature in a closed box. Its molecules fly about and bounce off the walls. Every bounce pushes the wall: together the pushes are the pressure of the gas.</source>
        <translation>Eis ar (azoto) à temperatura ambiente numa caixa fechada. As suas moléculas movem-se livremente e ressaltam nas paredes. Cada colisão empurra a parede: em conjunto, estes empurrões constituem a pressão do gás.</translation>
    </message>
    <message>
        <source>The walls are soft: each pushes a molecule back only within a thin skin. The volume of the gas is the room inside the skins, where the molecules fly freely.</source>
        <translation>As paredes são macias: cada uma só repele uma molécula dentro de uma camada fina. O volume do gás é o espaço no interior dessas camadas, onde as moléculas se movem livremente.</translation>
    </message>
    <message>
        <source>What is the pressure of the gas? Read it in the Lab (Wall pressure, in kPa).</source>
        <translation>Qual é a pressão do gás? Leia-a no Laboratório («Pressão nas paredes», em kPa).</translation>
    </message>
    <message>
        <source>The Lab&apos;s readouts show the wall pressure; choose kPa as the pressure unit.</source>
        <translation>As leituras do Laboratório mostram a pressão nas paredes; escolha kPa como unidade de pressão.</translation>
    </message>
    <message>
        <source>Its volume</source>
        <translation>O seu volume</translation>
    </message>
    <message>
        <source>The program measures the room inside the walls.</source>
        <translation>O programa mede o espaço disponível dentro das paredes.</translation>
    </message>
    <message>
        <source>Half the volume</source>
        <translation>Metade do volume</translation>
    </message>
    <message>
        <source>The lid (the top of the box) now moves down until the gas has half the room it had. It moves slowly, so that the molecules are pushed ahead of it.</source>
        <translation>A tampa (o topo da caixa) desce agora até o gás ficar com metade do espaço que tinha. Desce lentamente, para que as moléculas sejam empurradas à sua frente.</translation>
    </message>
    <message>
        <source>Wait until the lid has stopped and the pressure graph has levelled out, then measure.</source>
        <translation>Espere até a tampa parar e o gráfico da pressão estabilizar e depois meça.</translation>
    </message>
    <message>
        <source>Wait until the lid has stopped and the pressure graph runs level, then measure again.</source>
        <translation>Espere até a tampa parar e o gráfico da pressão ficar estável e volte a medir.</translation>
    </message>
    <message>
        <source>It about doubled</source>
        <translation>Aproximadamente duplicou</translation>
    </message>
    <message>
        <source>It about halved</source>
        <translation>Reduziu-se aproximadamente a metade</translation>
    </message>
    <message>
        <source>It stayed the same</source>
        <translation>Manteve-se igual</translation>
    </message>
    <message>
        <source>When the volume halved, what happened to the pressure?</source>
        <translation>Quando o volume se reduziu a metade, o que aconteceu à pressão?</translation>
    </message>
    <message>
        <source>Compare the pressure you measured now with the one in step 1.</source>
        <translation>Compare a pressão que mediu agora com a do passo 1.</translation>
    </message>
    <message>
        <source>The volume now</source>
        <translation>O volume agora</translation>
    </message>
    <message>
        <source>Wait until the lid has stopped, then measure again.</source>
        <translation>Espere até a tampa parar e volte a medir.</translation>
    </message>
    <message>
        <source>A third of the volume</source>
        <translation>Um terço do volume</translation>
    </message>
    <message>
        <source>The lid moves down further, until the gas has a third of the room it had at first.</source>
        <translation>A tampa desce ainda mais, até o gás ficar com um terço do espaço que tinha no início.</translation>
    </message>
    <message>
        <source>About three times the first pressure</source>
        <translation>Cerca do triplo da pressão inicial</translation>
    </message>
    <message>
        <source>About a third of the first pressure</source>
        <translation>Cerca de um terço da pressão inicial</translation>
    </message>
    <message>
        <source>The same as the first pressure</source>
        <translation>Igual à pressão inicial</translation>
    </message>
    <message>
        <source>What is the pressure now, compared with the first one?</source>
        <translation>Como é agora a pressão, em comparação com a inicial?</translation>
    </message>
    <message>
        <source>Divide the pressure you measured now by the one in step 1.</source>
        <translation>Divida a pressão que mediu agora pela do passo 1.</translation>
    </message>
    <message>
        <source>Boyle&apos;s law</source>
        <translation>Lei de Boyle</translation>
    </message>
    <message>
        <source>Robert Boyle found in 1662 that, at a fixed temperature, the pressure of a gas times its volume stays the same: halve the volume and the pressure doubles.</source>
        <translation>Em 1662, Robert Boyle descobriu que, a temperatura constante, o produto da pressão de um gás pelo seu volume se mantém constante: se o volume se reduzir a metade, a pressão duplica.</translation>
    </message>
    <message>
        <source>Explain with the molecules why a gas in half the volume presses twice as hard on its walls.</source>
        <translation>Explique, com base nas moléculas, porque é que um gás em metade do volume exerce sobre as paredes o dobro da pressão.</translation>
    </message>
    <message>
        <source>Evaporation and evaporative cooling</source>
        <translation>Evaporação e arrefecimento por evaporação</translation>
    </message>
    <message>
        <source>Watch molecules escape from water, and see the water cool when nothing warms it.</source>
        <translation>Observe moléculas a escapar da água e veja a água arrefecer quando nada a aquece.</translation>
    </message>
    <message>
        <source>Water in a small box</source>
        <translation>Água numa caixa pequena</translation>
    </message>
    <message>
        <source>Here is hot water, at 400 K (127 °C), in a closed box. The lid is down, so the water has little room above it. A few molecules escape from the liquid and fly about as vapour; as many fall back.</source>
        <translation>Eis água quente, a 400 K (127 °C), numa caixa fechada. A tampa está em baixo, por isso a água tem pouco espaço por cima. Algumas moléculas escapam do líquido e movem-se livremente como vapor; outras tantas regressam ao líquido.</translation>
    </message>
    <message>
        <source>Wait until the lid has stopped and the water has settled, then measure again.</source>
        <translation>Espere até a tampa parar e a água estabilizar e volte a medir.</translation>
    </message>
    <message>
        <source>No more heat</source>
        <translation>Sem mais calor</translation>
    </message>
    <message>
        <source>Now the thermostat is switched off: nothing heats or cools the water any more, its energy stays as it is.</source>
        <translation>Agora o termóstato está desligado: já nada aquece nem arrefece a água, e a sua energia mantém-se constante.</translation>
    </message>
    <message>
        <source>The lid goes back up, so the vapour gets more room. Watch the water.</source>
        <translation>A tampa volta a subir, pelo que o vapor passa a ter mais espaço. Observe a água.</translation>
    </message>
    <message>
        <source>Wait until the lid is back at the top and a few more seconds have passed, then measure.</source>
        <translation>Espere até a tampa voltar ao topo e passarem mais alguns segundos e depois meça.</translation>
    </message>
    <message>
        <source>More molecules escape and stay in the vapour</source>
        <translation>Escapam mais moléculas, que ficam no vapor</translation>
    </message>
    <message>
        <source>The molecules stop escaping</source>
        <translation>As moléculas deixam de escapar</translation>
    </message>
    <message>
        <source>All the water turns to vapour</source>
        <translation>Toda a água passa a vapor</translation>
    </message>
    <message>
        <source>What happens when the vapour gets more room?</source>
        <translation>O que acontece quando o vapor passa a ter mais espaço?</translation>
    </message>
    <message>
        <source>Compare the share of vapour now with the one in step 1.</source>
        <translation>Compare a fração de vapor de agora com a do passo 1.</translation>
    </message>
    <message>
        <source>Colder</source>
        <translation>Mais fria</translation>
    </message>
    <message>
        <source>Look at the temperature graph in the Lab: the water started at 400 K.</source>
        <translation>Observe o gráfico da temperatura no Laboratório: a água começou a 400 K.</translation>
    </message>
    <message>
        <source>Wait until the lid is back at the top and the temperature graph has levelled out.</source>
        <translation>Espere até a tampa voltar ao topo e o gráfico da temperatura estabilizar.</translation>
    </message>
    <message>
        <source>The fastest molecules escape and take their energy with them</source>
        <translation>As moléculas mais rápidas escapam e levam consigo a sua energia</translation>
    </message>
    <message>
        <source>Heat flows out through the walls</source>
        <translation>O calor sai através das paredes</translation>
    </message>
    <message>
        <source>The lid cools the water</source>
        <translation>A tampa arrefece a água</translation>
    </message>
    <message>
        <source>Nothing cooled the water from outside, yet it got colder. Why?</source>
        <translation>Nada arrefeceu a água a partir do exterior e, no entanto, ela ficou mais fria. Porquê?</translation>
    </message>
    <message>
        <source>Only a molecule moving fast enough can pull free of its neighbours.</source>
        <translation>Só uma molécula que se mova com rapidez suficiente consegue libertar-se das suas vizinhas.</translation>
    </message>
    <message>
        <source>Sweat</source>
        <translation>O suor</translation>
    </message>
    <message>
        <source>Your skin cools when sweat evaporates from it.</source>
        <translation>A pele arrefece quando o suor se evapora dela.</translation>
    </message>
    <message>
        <source>Explain why sweating cools you down, using what you saw.</source>
        <translation>Explique, com base no que observou, porque é que a transpiração arrefece o corpo.</translation>
    </message>
    <message>
        <source>The heating curve and latent heat</source>
        <translation>A curva de aquecimento e o calor latente</translation>
    </message>
    <message>
        <source>Plot the heating curve of quartz and measure the energy it takes to melt it.</source>
        <translation>Trace a curva de aquecimento do quartzo e meça a energia necessária para o fundir.</translation>
    </message>
    <message>
        <source>The heating curve</source>
        <translation>A curva de aquecimento</translation>
    </message>
    <message>
        <source>The thermostat heats quartz steadily from 1,500 K to 2,500 K. The Lab plots the heating curve: the measured temperature against the total energy per particle.</source>
        <translation>O termóstato aquece o quartzo gradualmente de 1500 K a 2500 K. O Laboratório traça a curva de aquecimento: a temperatura medida em função da energia total por partícula.</translation>
    </message>
    <message>
        <source>Wait until the ramp has reached 2,500 K, then look at the curve.</source>
        <translation>Espere até a rampa chegar aos 2500 K e depois observe a curva.</translation>
    </message>
    <message>
        <source>The ramp must run to the end. Press Set up again to heat the quartz again from 1,500 K.</source>
        <translation>A rampa tem de correr até ao fim. Prima «Preparar de novo» para voltar a aquecer o quartzo a partir de 1500 K.</translation>
    </message>
    <message>
        <source>The temperature hardly rises while the energy grows</source>
        <translation>A temperatura quase não sobe enquanto a energia aumenta</translation>
    </message>
    <message>
        <source>The temperature rises fastest</source>
        <translation>A temperatura sobe mais depressa</translation>
    </message>
    <message>
        <source>The energy stays the same</source>
        <translation>A energia mantém-se igual</translation>
    </message>
    <message>
        <source>What happens on the flat part of the curve?</source>
        <translation>O que acontece na parte plana da curva?</translation>
    </message>
    <message>
        <source>Along the flat part, read the temperature at its two ends, and the energy.</source>
        <translation>Na parte plana, leia a temperatura nas duas extremidades, e também a energia.</translation>
    </message>
    <message>
        <source>Latent heat</source>
        <translation>Calor latente</translation>
    </message>
    <message>
        <source>On the plateau, the energy the thermostat gives goes into breaking the crystal apart, not into making the particles faster. This hidden energy is the latent heat of melting.</source>
        <translation>No patamar, a energia fornecida pelo termóstato serve para desfazer o cristal e não para tornar as partículas mais rápidas. Esta energia «escondida» é o calor latente de fusão.</translation>
    </message>
    <message>
        <source>The plateau must lie on the curve: let the ramp run to 2,500 K.</source>
        <translation>O patamar tem de aparecer na curva: deixe a rampa correr até aos 2500 K.</translation>
    </message>
    <message>
        <source>How much energy did the quartz take up along the plateau, per mole? Read the energy at both ends of the flat part.</source>
        <translation>Quanta energia absorveu o quartzo ao longo do patamar, por mole? Leia a energia nas duas extremidades da parte plana.</translation>
    </message>
    <message>
        <source>Read the total energy where the curve starts to run flat and where it climbs again, and subtract.</source>
        <translation>Leia a energia total no ponto em que a curva começa a ficar plana e no ponto em que volta a subir, e subtraia os dois valores.</translation>
    </message>
    <message>
        <source>Why it matters</source>
        <translation>Porque é que isto importa</translation>
    </message>
    <message>
        <source>Ice in a drink stays at 0 °C until it has all melted, however warm the room: the heat goes into melting it.</source>
        <translation>O gelo numa bebida mantém-se a 0 °C até fundir completamente, por mais quente que esteja a sala: o calor é usado para o fundir.</translation>
    </message>
    <message>
        <source>Use the heating curve to explain why a drink with ice stays cold until the ice is gone.</source>
        <translation>Use a curva de aquecimento para explicar porque é que uma bebida com gelo se mantém fria até o gelo desaparecer.</translation>
    </message>
    <message>
        <source>The melting point</source>
        <translation>O ponto de fusão</translation>
    </message>
    <message>
        <source>Heat quartz slowly, find the temperature where it melts, and compare it with the real one.</source>
        <translation>Aqueça lentamente o quartzo, encontre a temperatura a que funde e compare-a com a real.</translation>
    </message>
    <message>
        <source>Solid quartz</source>
        <translation>Quartzo sólido</translation>
    </message>
    <message>
        <source>Sand is quartz. Here is a small crystal of it at room temperature: its atoms shake about fixed places.</source>
        <translation>A areia é quartzo. Eis um pequeno cristal de quartzo à temperatura ambiente: os seus átomos vibram em torno de posições fixas.</translation>
    </message>
    <message>
        <source>Quartz melts far hotter than anything in a kitchen. You will heat it with the Lab&apos;s thermostat until it melts.</source>
        <translation>O quartzo funde a uma temperatura muito mais alta do que qualquer temperatura atingida numa cozinha. Vai aquecê-lo com o termóstato do Laboratório até fundir.</translation>
    </message>
    <message>
        <source>Let the crystal run for a few seconds at room temperature, then measure again.</source>
        <translation>Deixe a simulação do cristal correr alguns segundos à temperatura ambiente e volte a medir.</translation>
    </message>
    <message>
        <source>Heat it slowly</source>
        <translation>Aquecer lentamente</translation>
    </message>
    <message>
        <source>The thermostat now heats the quartz steadily from 1,500 K to 2,500 K. The Lab draws the heating curve: the temperature of the atoms against the energy they were given.</source>
        <translation>O termóstato aquece agora o quartzo gradualmente de 1500 K a 2500 K. O Laboratório traça a curva de aquecimento: a temperatura dos átomos em função da energia que lhes foi fornecida.</translation>
    </message>
    <message>
        <source>While the crystal warms, the curve climbs steadily. Where it melts, the energy goes into breaking the crystal apart instead of making the atoms faster: the curve runs flat for a while. That flat stretch is the melting plateau.</source>
        <translation>Enquanto o cristal aquece, a curva sobe de forma regular. Quando o cristal funde, a energia serve para o desfazer em vez de tornar os átomos mais rápidos: a curva fica plana durante algum tempo. Esse troço plano é o patamar de fusão.</translation>
    </message>
    <message>
        <source>Wait until the ramp has reached 2,500 K (the thermostat in the Lab shows it), then press Measure.</source>
        <translation>Espere até a rampa chegar aos 2500 K (o termóstato do Laboratório mostra-o) e depois prima «Medir».</translation>
    </message>
    <message>
        <source>The ramp must run to the end without a pause. Press Set up again to heat the quartz again from 1,500 K.</source>
        <translation>A rampa tem de correr até ao fim sem pausas. Prima «Preparar de novo» para voltar a aquecer o quartzo a partir de 1500 K.</translation>
    </message>
    <message>
        <source>Read the temperature of the flat stretch off the heating curve. At what temperature does the quartz melt?</source>
        <translation>Leia na curva de aquecimento a temperatura do troço plano. A que temperatura funde o quartzo?</translation>
    </message>
    <message>
        <source>Find where the curve runs nearly level: read its temperature off the axis on the left (in kelvin).</source>
        <translation>Procure o troço em que a curva fica quase horizontal: leia a sua temperatura no eixo da esquerda (em kelvin).</translation>
    </message>
    <message>
        <source>Liquid quartz</source>
        <translation>Quartzo líquido</translation>
    </message>
    <message>
        <source>The crystal has melted: its atoms now slide past each other.</source>
        <translation>O cristal fundiu: os seus átomos deslizam agora uns sobre os outros.</translation>
    </message>
    <message>
        <source>Real quartz melts at 1,986 K (1,713 °C). The model&apos;s atoms attract each other with a strength chosen so that the model melts near the real melting point.</source>
        <translation>O quartzo real funde a 1986 K (1713 °C). Os átomos do modelo atraem-se com uma intensidade escolhida para que o modelo funda perto do ponto de fusão real.</translation>
    </message>
    <message>
        <source>Did the ramp reach 2,500 K? If not, press Set up again on the step before.</source>
        <translation>A rampa chegou aos 2500 K? Se não chegou, prima «Preparar de novo» no passo anterior.</translation>
    </message>
    <message>
        <source>Within 5 % of it</source>
        <translation>Difere menos de 5 % do real</translation>
    </message>
    <message>
        <source>About twice as hot</source>
        <translation>Cerca do dobro do real</translation>
    </message>
    <message>
        <source>About half as hot</source>
        <translation>Cerca de metade do real</translation>
    </message>
    <message>
        <source>How does the melting point you measured compare with the real one, 1,986 K?</source>
        <translation>Como se compara o ponto de fusão que mediu com o real, 1986 K?</translation>
    </message>
    <message>
        <source>Divide your measured melting point by 1,986 K.</source>
        <translation>Divida o ponto de fusão que mediu por 1986 K.</translation>
    </message>
    <message>
        <source>The phase diagram</source>
        <translation>O diagrama de fases</translation>
    </message>
    <message>
        <source>Cool and squeeze air and follow its state on the phase diagram of nitrogen.</source>
        <translation>Arrefeça e comprima ar e acompanhe o seu estado no diagrama de fases do azoto.</translation>
    </message>
    <message>
        <source>Air at room temperature</source>
        <translation>Ar à temperatura ambiente</translation>
    </message>
    <message>
        <source>The Lab&apos;s phase diagram shows, for every temperature and pressure, whether nitrogen is a solid, a liquid or a gas. The dot marks the air in the box now.</source>
        <translation>O diagrama de fases do Laboratório mostra, para cada temperatura e pressão, se o azoto é sólido, líquido ou gasoso. O ponto assinala o estado em que o ar da caixa se encontra agora.</translation>
    </message>
    <message>
        <source>Let the air run for a few seconds, then measure again.</source>
        <translation>Deixe a simulação do ar correr alguns segundos e volte a medir.</translation>
    </message>
    <message>
        <source>In the gas region</source>
        <translation>Na região do gás</translation>
    </message>
    <message>
        <source>In the liquid region</source>
        <translation>Na região do líquido</translation>
    </message>
    <message>
        <source>In the solid region</source>
        <translation>Na região do sólido</translation>
    </message>
    <message>
        <source>Where does the dot lie on the phase diagram?</source>
        <translation>Onde se encontra o ponto no diagrama de fases?</translation>
    </message>
    <message>
        <source>Read the name of the region around the dot.</source>
        <translation>Leia o nome da região em que o ponto se encontra.</translation>
    </message>
    <message>
        <source>Cold and squeezed</source>
        <translation>Frio e comprimido</translation>
    </message>
    <message>
        <source>The thermostat now cools the air to 77 K (−196 °C), and the lid squeezes it into 60 % of the box. Watch the dot move on the diagram, and watch the molecules in the box.</source>
        <translation>O termóstato arrefece agora o ar até 77 K (−196 °C) e a tampa comprime-o até ocupar 60 % da caixa. Observe o ponto a deslocar-se no diagrama e observe as moléculas na caixa.</translation>
    </message>
    <message>
        <source>Wait until the lid has stopped and drops have formed, then measure.</source>
        <translation>Espere até a tampa parar e se formarem gotas e depois meça.</translation>
    </message>
    <message>
        <source>Wait a little longer: the molecules need time to find each other and form a liquid.</source>
        <translation>Espere um pouco mais: as moléculas precisam de tempo para se juntarem e formarem um líquido.</translation>
    </message>
    <message>
        <source>Near the line between liquid and gas</source>
        <translation>Perto da linha entre o líquido e o gás</translation>
    </message>
    <message>
        <source>Deep in the gas region</source>
        <translation>Bem dentro da região do gás</translation>
    </message>
    <message>
        <source>Where is the dot now?</source>
        <translation>Onde está agora o ponto?</translation>
    </message>
    <message>
        <source>Liquid and gas side by side: on which line of the diagram can both be at once?</source>
        <translation>Líquido e gás lado a lado: em que linha do diagrama podem os dois coexistir?</translation>
    </message>
    <message>
        <source>Colder still</source>
        <translation>Ainda mais frio</translation>
    </message>
    <message>
        <source>The thermostat now cools the nitrogen to 40 K, below its melting point (63 K).</source>
        <translation>O termóstato arrefece agora o azoto até 40 K, abaixo do seu ponto de fusão (63 K).</translation>
    </message>
    <message>
        <source>Wait until the temperature has settled at 40 K, then measure again.</source>
        <translation>Espere até a temperatura estabilizar nos 40 K e volte a medir.</translation>
    </message>
    <message>
        <source>It froze: the molecules stay in their places</source>
        <translation>Solidificou: as moléculas ficam nos seus lugares</translation>
    </message>
    <message>
        <source>It boiled away</source>
        <translation>Ferveu até passar todo a gás</translation>
    </message>
    <message>
        <source>Nothing changed</source>
        <translation>Nada mudou</translation>
    </message>
    <message>
        <source>What happened to the liquid nitrogen?</source>
        <translation>O que aconteceu ao azoto líquido?</translation>
    </message>
    <message>
        <source>Compare the share of moving molecules with what a liquid has.</source>
        <translation>Compare a fração de moléculas que se deslocam com a de um líquido.</translation>
    </message>
    <message>
        <source>Reading the diagram</source>
        <translation>Ler o diagrama</translation>
    </message>
    <message>
        <source>Use the phase diagram to explain how you can turn a gas into a liquid without cooling it.</source>
        <translation>Use o diagrama de fases para explicar como se pode transformar um gás num líquido sem o arrefecer.</translation>
    </message>
    <message>
        <source>The three states</source>
        <translation>Os três estados físicos</translation>
    </message>
    <message>
        <source>Visit a solid, a liquid and a gas, and describe how their particles move.</source>
        <translation>Observe um sólido, um líquido e um gás e descreva como se movem as suas partículas.</translation>
    </message>
    <message>
        <source>A solid: quartz</source>
        <translation>Um sólido: o quartzo</translation>
    </message>
    <message>
        <source>Sand is made of quartz. Here are a few hundred of its atoms at room temperature (23 °C), in a box seen in perspective.</source>
        <translation>A areia é feita de quartzo. Eis algumas centenas dos seus átomos à temperatura ambiente (23 °C), numa caixa vista em perspetiva.</translation>
    </message>
    <message>
        <source>Watch the atoms for a while. Do they stay where they are, or do they wander about?</source>
        <translation>Observe os átomos durante algum tempo. Ficam onde estão ou deslocam-se de um lado para o outro?</translation>
    </message>
    <message>
        <source>They shake about fixed places</source>
        <translation>Vibram em torno de posições fixas</translation>
    </message>
    <message>
        <source>They slide past each other</source>
        <translation>Deslizam entre si</translation>
    </message>
    <message>
        <source>They fly about freely</source>
        <translation>Movem-se livremente em todas as direções</translation>
    </message>
    <message>
        <source>How do the atoms of the solid move?</source>
        <translation>Como se movem os átomos do sólido?</translation>
    </message>
    <message>
        <source>Look at one atom in the large view for a few seconds: does it ever leave its neighbours?</source>
        <translation>Observe um átomo na vista grande durante alguns segundos: chega alguma vez a afastar-se dos seus vizinhos?</translation>
    </message>
    <message>
        <source>The share of moving atoms is taken over the last 1,000 steps: let the simulation run, then press Measure again.</source>
        <translation>A fração de átomos que se deslocam é determinada nos últimos 1000 passos: deixe a simulação correr e prima de novo «Medir».</translation>
    </message>
    <message>
        <source>A liquid: water</source>
        <translation>Um líquido: a água</translation>
    </message>
    <message>
        <source>Now water at the same temperature. Its particles attract each other just as the quartz atoms do, but less strongly.</source>
        <translation>Agora, água à mesma temperatura. As suas partículas atraem-se tal como os átomos do quartzo, mas com menos intensidade.</translation>
    </message>
    <message>
        <source>Watch how the particles move now.</source>
        <translation>Observe como se movem agora as partículas.</translation>
    </message>
    <message>
        <source>How do the particles of the liquid move?</source>
        <translation>Como se movem as partículas do líquido?</translation>
    </message>
    <message>
        <source>The particles stay close together, but do they keep the same neighbours?</source>
        <translation>As partículas mantêm-se próximas umas das outras, mas conservam sempre as mesmas vizinhas?</translation>
    </message>
    <message>
        <source>Let the water run for a few seconds before you measure.</source>
        <translation>Deixe a simulação da água correr alguns segundos antes de medir.</translation>
    </message>
    <message>
        <source>A gas: nitrogen</source>
        <translation>Um gás: o azoto</translation>
    </message>
    <message>
        <source>Air is mostly nitrogen. Here it is at room temperature, in a box that is tiny but still mostly empty space.</source>
        <translation>O ar é constituído sobretudo por azoto. Ei-lo à temperatura ambiente, numa caixa minúscula que, ainda assim, é quase toda espaço vazio.</translation>
    </message>
    <message>
        <source>How do the molecules of the gas move?</source>
        <translation>Como se movem as moléculas do gás?</translation>
    </message>
    <message>
        <source>Does a molecule of the gas have neighbours that it stays with?</source>
        <translation>Uma molécula do gás tem vizinhas junto das quais permaneça?</translation>
    </message>
    <message>
        <source>Let the gas run for a few seconds before you measure.</source>
        <translation>Deixe a simulação do gás correr alguns segundos antes de medir.</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>You have seen all three states of matter, each at the same temperature.</source>
        <translation>Já viu os três estados físicos da matéria, todos à mesma temperatura.</translation>
    </message>
    <message>
        <source>In one sentence: how far apart are the particles in a solid, a liquid and a gas?</source>
        <translation>Numa frase: a que distância umas das outras estão as partículas num sólido, num líquido e num gás?</translation>
    </message>
    <message>
        <source>The energy of two atoms</source>
        <translation>A energia de dois átomos</translation>
    </message>
    <message>
        <source>Read the depth and the bond length off the energy of two water particles, and find the bond length again among the particles of the liquid.</source>
        <translation>Leia a profundidade do poço e o comprimento de ligação na curva de energia de duas partículas de água e volte a encontrar o comprimento de ligação entre as partículas do líquido.</translation>
    </message>
    <message>
        <source>The energy curve</source>
        <translation>A curva de energia</translation>
    </message>
    <message>
        <source>The Interactions window shows the energy of two water particles against their distance. Far apart they do not feel each other; closer, they attract, and the energy falls into a well; closer still, they push each other away.</source>
        <translation>A janela «Interações» mostra a energia de duas partículas de água em função da distância entre elas. Muito afastadas, não interagem; mais próximas, atraem-se e a energia desce para um poço; ainda mais próximas, repelem-se.</translation>
    </message>
    <message>
        <source>How deep is the well? Read it off the energy axis (in kJ/mol), as a positive number.</source>
        <translation>Qual é a profundidade do poço? Leia-a no eixo da energia (em kJ/mol), como número positivo.</translation>
    </message>
    <message>
        <source>Find the lowest point of the curve and read its energy on the left axis; leave out the minus sign.</source>
        <translation>Encontre o ponto mais baixo da curva e leia a sua energia no eixo da esquerda; não escreva o sinal menos.</translation>
    </message>
    <message>
        <source>The bond length</source>
        <translation>O comprimento de ligação</translation>
    </message>
    <message>
        <source>The distance at the bottom of the well is where two particles would rest: the bond length.</source>
        <translation>A distância no fundo do poço é aquela a que duas partículas ficariam em repouso: o comprimento de ligação.</translation>
    </message>
    <message>
        <source>At what distance is the bottom of the well? Read it off the distance axis (in ångström).</source>
        <translation>A que distância fica o fundo do poço? Leia-a no eixo da distância (em ångström).</translation>
    </message>
    <message>
        <source>Find the lowest point of the curve and read its distance on the bottom axis.</source>
        <translation>Encontre o ponto mais baixo da curva e leia a sua distância no eixo horizontal, em baixo.</translation>
    </message>
    <message>
        <source>Neighbours in the liquid</source>
        <translation>Vizinhas no líquido</translation>
    </message>
    <message>
        <source>The same window shows how often pairs of particles in the liquid lie at each distance right now: the peaks are the shells of neighbours around a particle.</source>
        <translation>A mesma janela mostra com que frequência os pares de partículas do líquido se encontram, neste momento, a cada distância: os picos são as camadas de partículas vizinhas em torno de uma partícula.</translation>
    </message>
    <message>
        <source>Let the liquid run for a moment, then measure again.</source>
        <translation>Deixe a simulação do líquido correr um momento e volte a medir.</translation>
    </message>
    <message>
        <source>Close to the bottom of the well</source>
        <translation>Perto do fundo do poço</translation>
    </message>
    <message>
        <source>Much farther than the bottom of the well</source>
        <translation>Muito mais longe do que o fundo do poço</translation>
    </message>
    <message>
        <source>Much closer than the bottom of the well</source>
        <translation>Muito mais perto do que o fundo do poço</translation>
    </message>
    <message>
        <source>Where is the highest peak of the distances, compared with the bottom of the well?</source>
        <translation>Onde fica o pico mais alto das distâncias, em comparação com o fundo do poço?</translation>
    </message>
    <message>
        <source>Compare the distance of the highest peak with the bond length you read in step 2.</source>
        <translation>Compare a distância do pico mais alto com o comprimento de ligação que leu no passo 2.</translation>
    </message>
</context>
<context>
    <name>material</name>
    <message>
        <source>nitrogen</source>
        <translation>azoto</translation>
    </message>
    <message>
        <source>oxygen</source>
        <translation>oxigénio</translation>
    </message>
    <message>
        <source>quartz</source>
        <translation>quartzo</translation>
    </message>
    <message>
        <source>water</source>
        <translation>água</translation>
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
        <translation>gás</translation>
    </message>
    <message>
        <source>supercooled liquid</source>
        <translation>líquido sobrearrefecido</translation>
    </message>
    <message>
        <source>solid and liquid</source>
        <translation>sólido e líquido</translation>
    </message>
    <message>
        <source>liquid and gas</source>
        <translation>líquido e gás</translation>
    </message>
    <message>
        <source>solid and gas</source>
        <translation>sólido e gás</translation>
    </message>
</context>
<context>
    <name>scene</name>
    <message>
        <source>%1
and %2</source>
        <translation>%1
e %2</translation>
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
        <translation>Passar ao controlo seguinte</translation>
    </message>
    <message>
        <source>Move to the previous control</source>
        <translation>Passar ao controlo anterior</translation>
    </message>
    <message>
        <source>On a place in the landscape: load its simulation</source>
        <translation>Num local da paisagem: carregar a sua simulação</translation>
    </message>
    <message>
        <source>On the atom view: open the large view</source>
        <translation>Na vista dos átomos: abrir a vista grande</translation>
    </message>
    <message>
        <source>On the season bar: summer or winter</source>
        <translation>Na barra da estação: verão ou inverno</translation>
    </message>
    <message>
        <source>On the time-of-day bar: earlier or later in the day</source>
        <translation>Na barra da hora do dia: mais cedo ou mais tarde</translation>
    </message>
    <message>
        <source>In the large view: turn the box left or right</source>
        <translation>Na vista grande: rodar a caixa para a esquerda ou para a direita</translation>
    </message>
    <message>
        <source>In the large view: tip the box up or down</source>
        <translation>Na vista grande: inclinar a caixa para cima ou para baixo</translation>
    </message>
    <message>
        <source>In the large view: colour the atoms by speed, or by material</source>
        <translation>Na vista grande: colorir os átomos pela velocidade ou pelo material</translation>
    </message>
    <message>
        <source>In the large view: full screen, or back</source>
        <translation>Na vista grande: ecrã inteiro, ou voltar</translation>
    </message>
    <message>
        <source>In the large view: export the picture</source>
        <translation>Na vista grande: exportar a imagem</translation>
    </message>
    <message>
        <source>Close a menu or a dialog</source>
        <translation>Fechar um menu ou uma caixa de diálogo</translation>
    </message>
    <message>
        <source>In the large view: zoom in or out</source>
        <translation>Na vista grande: aproximar ou afastar</translation>
    </message>
    <message>
        <source>In the large view: back to the front view</source>
        <translation>Na vista grande: voltar à vista frontal</translation>
    </message>
</context>
<context>
    <name>scene::PictureBox</name>
    <message>
        <source>The picture file %1 is missing or is not a picture that can be read.</source>
        <translation>O ficheiro de imagem %1 não existe ou não é uma imagem que possa ser lida.</translation>
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
        <translation>vermelho</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarelo</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>violeta</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>ciano</translation>
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
        <translation>Interações</translation>
    </message>
    <message>
        <source>Pairs of materials</source>
        <translation>Pares de materiais</translation>
    </message>
    <message>
        <source>The curve is the energy of two atoms at distance r; the green line shows how often the atoms keep each distance now, against an even spread through the box (1).</source>
        <translation>A curva é a energia de dois átomos à distância r; a linha verde mostra com que frequência os átomos mantêm agora cada distância, em comparação com uma distribuição uniforme por toda a caixa (1).</translation>
    </message>
    <message>
        <source>Pair energy and distances of %1</source>
        <translation>Energia do par e distâncias: %1</translation>
    </message>
    <message>
        <source>%1 atoms</source>
        <translation>Átomos: %1</translation>
    </message>
</context>
<context>
    <name>views::LargeView</name>
    <message>
        <source>speed, %1</source>
        <translation>velocidade, %1</translation>
    </message>
    <message>
        <source>The box cannot be shown:
%1</source>
        <translation>Não é possível mostrar a caixa:
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
        <translation>Vista de frente.</translation>
    </message>
    <message>
        <source>Turned %1° to the right.</source>
        <translation>Rodada %1° para a direita.</translation>
    </message>
    <message>
        <source>Turned %1° to the left.</source>
        <translation>Rodada %1° para a esquerda.</translation>
    </message>
    <message>
        <source>Tipped %1° toward you.</source>
        <translation>Inclinada %1° na sua direção.</translation>
    </message>
    <message>
        <source>Tipped %1° away from you.</source>
        <translation>Inclinada %1° para longe de si.</translation>
    </message>
    <message>
        <source>Shown %1 times as large as at first.</source>
        <translation>Mostrada %1 vezes maior do que no início.</translation>
    </message>
    <message>
        <source>Coloured by material.</source>
        <translation>Átomos coloridos por material.</translation>
    </message>
    <message>
        <source>Coloured by speed, from blue for the slowest (%1) through grey to yellow for the fastest (%2).</source>
        <translation>Átomos coloridos pela velocidade, do azul para os mais lentos (%1), passando pelo cinzento, até ao amarelo para os mais rápidos (%2).</translation>
    </message>
    <message>
        <source>Coloured by speed, from blue for the slowest (%1) through green to red for the fastest (%2).</source>
        <translation>Átomos coloridos pela velocidade, do azul para os mais lentos (%1), passando pelo verde, até ao vermelho para os mais rápidos (%2).</translation>
    </message>
    <message>
        <source>Arrow keys turn the box, + and - zoom, Home shows the front view, C colours by speed or by material.</source>
        <translation>As teclas de seta rodam a caixa, + e - aproximam e afastam, Home mostra a vista frontal, C colore pela velocidade ou pelo material.</translation>
    </message>
    <message>
        <source>No atoms are shown.</source>
        <translation>Nenhum átomo é mostrado.</translation>
    </message>
</context>
<context>
    <name>views::LargeViewCanvas</name>
    <message>
        <source>Drag to turn the box, wheel to zoom, double-click for the front view</source>
        <translation>Arraste para rodar a caixa, use a roda do rato para aproximar ou afastar e faça duplo clique para a vista frontal</translation>
    </message>
    <message>
        <source>Atoms in 3-D</source>
        <translation>Átomos em 3D</translation>
    </message>
</context>
<context>
    <name>views::LargeViewWindow</name>
    <message>
        <source>Large View</source>
        <translation>Vista grande</translation>
    </message>
    <message>
        <source>View tools</source>
        <translation>Ferramentas da vista</translation>
    </message>
    <message>
        <source>&amp;Colour by Speed</source>
        <translation>&amp;Colorir pela velocidade</translation>
    </message>
    <message>
        <source>Colour the atoms by speed (C), or by material</source>
        <translation>Colorir os átomos pela velocidade (C) ou pelo material</translation>
    </message>
    <message>
        <source>&amp;Front View</source>
        <translation>Vista &amp;frontal</translation>
    </message>
    <message>
        <source>Back to the view of the main window (double-click or Home)</source>
        <translation>Voltar à vista da janela principal (duplo clique ou Home)</translation>
    </message>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Ecrã inteiro</translation>
    </message>
    <message>
        <source>Fill the screen with the view, or back to a window (F11)</source>
        <translation>Preencher o ecrã com a vista, ou voltar a uma janela (F11)</translation>
    </message>
    <message>
        <source>&amp;Export Picture…</source>
        <translation>E&amp;xportar imagem…</translation>
    </message>
    <message>
        <source>Save the picture as a PNG file (Ctrl+Shift+S)</source>
        <translation>Guardar a imagem como ficheiro PNG (Ctrl+Shift+S)</translation>
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
        <translation>distância r (%1)</translation>
    </message>
    <message>
        <source>pair energy V(r) (%1)</source>
        <translation>energia do par V(r) (%1)</translation>
    </message>
    <message>
        <source>radial distribution g(r)</source>
        <translation>distribuição radial g(r)</translation>
    </message>
    <message>
        <source>%1: none kept yet</source>
        <translation>%1: ainda nenhuma distância registada</translation>
    </message>
    <message>
        <source>%1, highest %2</source>
        <translation>%1, máximo %2</translation>
    </message>
    <message>
        <source>Across: %1. Left: %2. Right: %3. Curves: %4.</source>
        <translation>Eixo horizontal: %1. Esquerda: %2. Direita: %3. Curvas: %4.</translation>
    </message>
    <message>
        <source>%1 at %2 %3</source>
        <translation>%1 em %2 %3</translation>
    </message>
    <message>
        <source>pair energy V(r)</source>
        <translation>energia do par V(r)</translation>
    </message>
    <message>
        <source>bond length %1, energy %2</source>
        <translation>comprimento de ligação %1, energia %2</translation>
    </message>
    <message>
        <source>cut-off %1</source>
        <translation>distância de corte %1</translation>
    </message>
    <message>
        <source>distances kept now: g(r)</source>
        <translation>distâncias mantidas agora: g(r)</translation>
    </message>
</context>
<context>
    <name>views::PictureExport</name>
    <message>
        <source>There is no picture to save.</source>
        <translation>Não há nenhuma imagem para guardar.</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagem</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture cannot be saved as %1:
%2</source>
        <translation>Não é possível guardar a imagem como %1:
%2</translation>
    </message>
</context>
<context>
    <name>views::ShownUnit</name>
    <message>
        <source>model units</source>
        <translation>unidades do modelo</translation>
    </message>
</context>
</TS>
