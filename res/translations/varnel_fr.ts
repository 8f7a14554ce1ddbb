<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AudioPortText</name>
    <message>
        <source>no audio output device</source>
        <translation>aucune sortie audio</translation>
    </message>
    <message>
        <source>the audio output does not take 44.1 kHz 16-bit stereo</source>
        <translation>la sortie audio n&apos;accepte pas la stéréo 16 bits à 44,1 kHz</translation>
    </message>
    <message>
        <source>the audio output could not be opened</source>
        <translation>la sortie audio n&apos;a pas pu être ouverte</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Varnel</source>
        <translation>À propos de Varnel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Varnel Version 1.0</source>
        <translation>Varnel version 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026</source>
        <translation>Copyright (C) 2026</translation>
    </message>
    <message>
        <source>Varnel shows the correct notes of the seven mode patterns for the guitar.</source>
        <translation>Varnel montre les notes justes des motifs des sept modes sur la guitare.</translation>
    </message>
    <message>
        <source>What Varnel Does</source>
        <translation>Ce que fait Varnel</translation>
    </message>
    <message>
        <source>Legal Stuff</source>
        <translation>Mentions légales</translation>
    </message>
    <message>
        <source>Protected by national
and international law.</source>
        <translation>Protégé par le droit
national et international.</translation>
    </message>
    <message>
        <source>by</source>
        <translation>par</translation>
    </message>
    <message>
        <source>A %1 bit application</source>
        <translation>Programme %1 bits</translation>
    </message>
</context>
<context>
    <name>CFretWindowDlg</name>
    <message>
        <source>Fret Window</source>
        <translation>Plage de cases</translation>
    </message>
    <message>
        <source>&amp;First fret (0 is the nut):</source>
        <translation>&amp;Première case (0 est le sillet)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Last fret (up to %1):</source>
        <translation>&amp;Dernière case (jusqu&apos;à %1)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Whole Neck</source>
        <translation>&amp;Manche entier</translation>
    </message>
    <message>
        <source>The first fret (%1) must be below the last (%2).</source>
        <translation>La première case (%1) doit être en dessous de la dernière (%2).</translation>
    </message>
    <message>
        <source>Varnel</source>
        <translation>Varnel</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Flat</source>
        <translation>&amp;Bémol</translation>
    </message>
    <message>
        <source>&amp;Natural</source>
        <translation>Bé&amp;carre</translation>
    </message>
    <message>
        <source>&amp;Sharp</source>
        <translation>&amp;Dièse</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Ta&amp;ille réelle</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>&amp;Ajuster à la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Aucune</translation>
    </message>
    <message>
        <source>&amp;Degrees</source>
        <translation>&amp;Degrés</translation>
    </message>
    <message>
        <source>&amp;Intervals</source>
        <translation>&amp;Intervalles</translation>
    </message>
    <message>
        <source>&amp;Major</source>
        <translation>&amp;Majeur</translation>
    </message>
    <message>
        <source>&amp;Harmonic Minor</source>
        <translation>Mineur &amp;harmonique</translation>
    </message>
    <message>
        <source>M&amp;elodic Minor</source>
        <translation>Mineur mé&amp;lodique</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <translation>&amp;Personnalisé...</translation>
    </message>
    <message>
        <source>&amp;Left-Handed</source>
        <translation>&amp;Gaucher</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimer...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Configuration de l&apos;impression...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Preferences	F2</source>
        <translation>&amp;Préférences	F2</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>&amp;About Varnel...</source>
        <translation>À &amp;propos de Varnel...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>&amp;Tonalité</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>La&amp;bels</source>
        <translation>Éti&amp;quettes</translation>
    </message>
    <message>
        <source>T&amp;uning</source>
        <translation>A&amp;ccordage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>the file name must end in .png, .svg or .pdf</source>
        <translation>le nom du fichier doit se terminer par .png, .svg ou .pdf</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Varnel</source>
        <translation>Varnel</translation>
    </message>
    <message>
        <source>Cannot write “%1”: %2.</source>
        <translation>Impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Ouvrir ce document</translation>
    </message>
    <message>
        <source>No&amp;tes</source>
        <translation>No&amp;ms des notes</translation>
    </message>
    <message>
        <source>Fret &amp;Numbers</source>
        <translation>&amp;Numéros de case</translation>
    </message>
    <message>
        <source>Scale Fa&amp;mily</source>
        <translation>&amp;Famille de gammes</translation>
    </message>
    <message>
        <source>Intervals (e&amp;xtensions)</source>
        <translation>Intervalles (e&amp;xtensions)</translation>
    </message>
    <message>
        <source>&amp;Simple</source>
        <translation>&amp;Simple</translation>
    </message>
    <message>
        <source>&amp;As the Key&apos;s Scale Writes It</source>
        <translation>&amp;Comme l&apos;écrit la gamme de la tonalité</translation>
    </message>
    <message>
        <source>S&amp;pelling</source>
        <translation>&amp;Orthographe</translation>
    </message>
    <message>
        <source>Draw necks of %1 frets</source>
        <translation>Dessiner des manches de %1 cases</translation>
    </message>
    <message>
        <source>&amp;Whole Neck</source>
        <translation>&amp;Manche entier</translation>
    </message>
    <message>
        <source>&amp;Fret Window...</source>
        <translation>&amp;Plage de cases...</translation>
    </message>
    <message>
        <source>&amp;Vertical</source>
        <translation>&amp;Vertical</translation>
    </message>
    <message>
        <source>&amp;Horizontal</source>
        <translation>&amp;Horizontal</translation>
    </message>
    <message>
        <source>Open Strin&amp;gs</source>
        <translation>Cor&amp;des à vide</translation>
    </message>
    <message>
        <source>F&amp;rets</source>
        <translation>Ca&amp;ses</translation>
    </message>
    <message>
        <source>Ori&amp;entation</source>
        <translation>Ori&amp;entation</translation>
    </message>
    <message>
        <source>&amp;All Notes</source>
        <translation>&amp;Toutes les notes</translation>
    </message>
    <message>
        <source>&amp;Three Notes per String</source>
        <translation>Trois notes par &amp;corde</translation>
    </message>
    <message>
        <source>Inside the Fret &amp;Window</source>
        <translation>Dans la &amp;fenêtre de cases</translation>
    </message>
    <message>
        <source>&amp;Hide Notes Outside the Shape</source>
        <translation>&amp;Masquer les notes hors de la forme</translation>
    </message>
    <message>
        <source>&amp;Hand Positions</source>
        <translation>Positions de la &amp;main</translation>
    </message>
    <message>
        <source>&amp;Triads</source>
        <translation>&amp;Triades</translation>
    </message>
    <message>
        <source>&amp;Seventh Chords</source>
        <translation>Accords de &amp;septième</translation>
    </message>
    <message>
        <source>Mar&amp;k Characteristic Notes</source>
        <translation>Marq&amp;uer les notes caractéristiques</translation>
    </message>
    <message>
        <source>&amp;Chord Tones</source>
        <translation>Notes de &amp;l&apos;accord</translation>
    </message>
    <message>
        <source>Harmonic Ma&amp;jor</source>
        <translation>Ma&amp;jeur harmonique</translation>
    </message>
    <message>
        <source>Major &amp;Pentatonic</source>
        <translation>&amp;Pentatonique majeure</translation>
    </message>
    <message>
        <source>Minor Pe&amp;ntatonic</source>
        <translation>Pentatonique mi&amp;neure</translation>
    </message>
    <message>
        <source>&amp;Blues</source>
        <translation>&amp;Blues</translation>
    </message>
    <message>
        <source>&amp;Whole Tone</source>
        <translation>&amp;Tons entiers</translation>
    </message>
    <message>
        <source>&amp;Diminished</source>
        <translation>&amp;Diminuée</translation>
    </message>
    <message>
        <source>&amp;CAGED</source>
        <translation>C&amp;AGED</translation>
    </message>
    <message>
        <source>&amp;C Shape</source>
        <translation>Forme &amp;C</translation>
    </message>
    <message>
        <source>&amp;A Shape</source>
        <translation>Forme &amp;A</translation>
    </message>
    <message>
        <source>&amp;G Shape</source>
        <translation>Forme &amp;G</translation>
    </message>
    <message>
        <source>&amp;E Shape</source>
        <translation>Forme &amp;E</translation>
    </message>
    <message>
        <source>&amp;D Shape</source>
        <translation>Forme &amp;D</translation>
    </message>
    <message>
        <source>CAGED &amp;Shape</source>
        <translation>F&amp;orme CAGED</translation>
    </message>
</context>
<context>
    <name>CPrefsDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Keep Key Fixed</source>
        <translation>Tonalité fixe</translation>
    </message>
    <message>
        <source>Keep Pattern Fixed</source>
        <translation>Motif fixe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>(Fret spacing = 1.5 * String spacing works well)</source>
        <translation>(Conseil&#xa0;: cases = 1,5 * cordes)</translation>
    </message>
    <message>
        <source>(Neck spacing = String spacing works well)</source>
        <translation>(Conseil&#xa0;: manches = cordes)</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Drawing Metrics</source>
        <translation>Dimensions du dessin</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter a whole number between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entier entre %1 et %2.</translation>
    </message>
    <message>
        <source>Varnel</source>
        <translation>Varnel</translation>
    </message>
    <message>
        <source>&amp;String spacing (pixels)</source>
        <translation>Écart des &amp;cordes (pixels)</translation>
    </message>
    <message>
        <source>&amp;Fret spacing (pixels)</source>
        <translation>Écart des c&amp;ases (pixels)</translation>
    </message>
    <message>
        <source>&amp;Neck spacing (pixels)</source>
        <translation>Écart des &amp;manches (pixels)</translation>
    </message>
</context>
<context>
    <name>CSoundDlg</name>
    <message>
        <source>Sound Settings</source>
        <translation>Réglages du son</translation>
    </message>
    <message>
        <source> BPM</source>
        <translation> BPM</translation>
    </message>
    <message>
        <source> % of a beat</source>
        <translation> % d&apos;un temps</translation>
    </message>
    <message>
        <source>Steel-string guitar</source>
        <translation>Guitare à cordes acier</translation>
    </message>
    <message>
        <source>Nylon-string guitar</source>
        <translation>Guitare à cordes nylon</translation>
    </message>
    <message>
        <source>A bass tuning always sounds as a fingered bass.</source>
        <translation>Un accordage de basse sonne toujours comme une basse aux doigts.</translation>
    </message>
    <message>
        <source>&amp;Drone on the tonic under the playing neck</source>
        <translation>&amp;Bourdon sur la tonique sous le manche joué</translation>
    </message>
    <message>
        <source>The system&apos;s General MIDI SoundFont</source>
        <translation>La SoundFont General MIDI du système</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>&amp;Tempo:</source>
        <translation>&amp;Tempo :</translation>
    </message>
    <message>
        <source>&amp;Note length:</source>
        <translation>Durée des &amp;notes :</translation>
    </message>
    <message>
        <source>&amp;Instrument:</source>
        <translation>&amp;Instrument :</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume :</translation>
    </message>
    <message>
        <source>&amp;SoundFont:</source>
        <translation>&amp;SoundFont :</translation>
    </message>
    <message>
        <source>SoundFont</source>
        <translation>SoundFont</translation>
    </message>
    <message>
        <source>SoundFonts (*.sf2 *.sf3)</source>
        <translation>SoundFonts (*.sf2 *.sf3)</translation>
    </message>
</context>
<context>
    <name>CSoundMenu</name>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>Play &amp;All</source>
        <translation>&amp;Tout jouer</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Sound Se&amp;ttings...</source>
        <translation>&amp;Réglages du son...</translation>
    </message>
    <message>
        <source>No SoundFont: install the %1 package</source>
        <translation>Aucune SoundFont : installez le paquet %1</translation>
    </message>
    <message>
        <source>No sound module: reinstall varnel</source>
        <translation>Aucun module de son : réinstallez varnel</translation>
    </message>
    <message>
        <source>No audio output: install and start pipewire-pulse or pulseaudio</source>
        <translation>Aucune sortie audio : installez et lancez pipewire-pulse ou pulseaudio</translation>
    </message>
    <message>
        <source>No sound: %1</source>
        <translation>Aucun son : %1</translation>
    </message>
    <message>
        <source>Play Neck &amp;%1</source>
        <translation>Jouer le manche &amp;%1</translation>
    </message>
</context>
<context>
    <name>CTuningDlg</name>
    <message>
        <source>Custom Tuning</source>
        <translation>Accordage personnalisé</translation>
    </message>
    <message>
        <source>“%1” is not a note name. Use a letter A to G with an optional b or #, and an optional octave number.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nom de note. Utilisez une lettre de A à G (C = do, D = ré...), suivie éventuellement de b ou # et d&apos;un numéro d&apos;octave.</translation>
    </message>
    <message>
        <source>Varnel</source>
        <translation>Varnel</translation>
    </message>
    <message>
        <source>4 to 8 notes, &amp;lowest string first (for example D A D G B E, or B0 E1 A1 D2 G2 for a five-string bass):</source>
        <translation>4 à 8 notes, la corde la plus &amp;grave d&apos;abord (par exemple D A D G B E, ou B0 E1 A1 D2 G2 pour une basse à cinq cordes)&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>Enter 4 to 8 note names, one per string, lowest string first; this has %n note(s).</source>
        <translation>
            <numerusform>Saisissez 4 à 8 noms de notes, un par corde, la plus grave d&apos;abord&#xa0;; celle-ci en compte %n.</numerusform>
            <numerusform>Saisissez 4 à 8 noms de notes, un par corde, la plus grave d&apos;abord&#xa0;; celle-ci en compte %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CVarnelApp</name>
    <message>
        <source>cannot open %1: no readable file of that name</source>
        <translation>impossible d&apos;ouvrir %1 : aucun fichier lisible de ce nom</translation>
    </message>
    <message>
        <source>nothing was printed: no printer could be started</source>
        <translation>rien n&apos;a été imprimé : aucune imprimante n&apos;a pu être démarrée</translation>
    </message>
    <message>
        <source>Varnel</source>
        <translation>Varnel</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>CVarnelView</name>
    <message>
        <source>Neck diagrams</source>
        <translation>Diagrammes du manche</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Bémol</translation>
    </message>
    <message>
        <source>Natural</source>
        <translation>Bécarre</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Dièse</translation>
    </message>
    <message>
        <source>major</source>
        <translation>majeur</translation>
    </message>
    <message>
        <source>harmonic minor</source>
        <translation>mineur harmonique</translation>
    </message>
    <message>
        <source>melodic minor</source>
        <translation>mineur mélodique</translation>
    </message>
    <message>
        <source>%1 %2 drawn as %3 %2</source>
        <translation>%1 %2 dessiné comme %3 %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>1st</source>
        <comment>degree</comment>
        <translation>1er degré</translation>
    </message>
    <message>
        <source>2nd</source>
        <comment>degree</comment>
        <translation>2e degré</translation>
    </message>
    <message>
        <source>3rd</source>
        <comment>degree</comment>
        <translation>3e degré</translation>
    </message>
    <message>
        <source>4th</source>
        <comment>degree</comment>
        <translation>4e degré</translation>
    </message>
    <message>
        <source>5th</source>
        <comment>degree</comment>
        <translation>5e degré</translation>
    </message>
    <message>
        <source>6th</source>
        <comment>degree</comment>
        <translation>6e degré</translation>
    </message>
    <message>
        <source>7th</source>
        <comment>degree</comment>
        <translation>7e degré</translation>
    </message>
    <message>
        <source>String %1, fret %2: %3%4</source>
        <translation>Corde %1, case %2 : %3%4</translation>
    </message>
    <message>
        <source>%1, not in %2</source>
        <translation>%1, hors de %2</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 de %3</translation>
    </message>
    <message>
        <source>harmonic major</source>
        <translation>majeur harmonique</translation>
    </message>
    <message>
        <source>major pentatonic</source>
        <translation>pentatonique majeure</translation>
    </message>
    <message>
        <source>minor pentatonic</source>
        <translation>pentatonique mineure</translation>
    </message>
    <message>
        <source>blues</source>
        <translation>blues</translation>
    </message>
    <message>
        <source>whole tone</source>
        <translation>par tons entiers</translation>
    </message>
    <message>
        <source>diminished</source>
        <translation>diminuée</translation>
    </message>
    <message>
        <source>%1, %2 of %3, outside the shape</source>
        <translation>%1, %2 de %3, hors de la forme</translation>
    </message>
    <message>
        <source>Play Neck</source>
        <translation>Jouer le manche</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>bad tuning %1: %2 is not a note; %3</source>
        <translation>accordage %1 incorrect : %2 n&apos;est pas une note ; %3</translation>
    </message>
    <message>
        <source>bad key %1: use a letter A to G, optionally followed by b, #, ♭ or ♯ (for example Eb or F#)</source>
        <translation>tonalité %1 incorrecte : utilisez une lettre de A à G (C = do, D = ré...), suivie éventuellement de b, #, ♭ ou ♯ (par exemple Eb ou F#)</translation>
    </message>
    <message>
        <source>bad style %1: use key or pattern</source>
        <translation>style %1 incorrect : utilisez key ou pattern</translation>
    </message>
    <message>
        <source>bad --%1 spacing %2: use a whole number of pixels from %3 to %4</source>
        <translation>écart --%1 %2 incorrect : utilisez un nombre entier de pixels de %3 à %4</translation>
    </message>
    <message>
        <source>--text and --export cannot be used together</source>
        <translation>--text et --export ne peuvent pas être utilisés ensemble</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>--print opens the window&apos;s print path; it cannot be used with --text or --export</source>
        <translation>--print imprime par la fenêtre ; il ne peut pas être utilisé avec --text ou --export</translation>
    </message>
    <message>
        <source>--size is only for --export</source>
        <translation>--size ne sert qu&apos;avec --export</translation>
    </message>
    <message>
        <source>--fit and --theme are only for --export</source>
        <translation>--fit et --theme ne servent qu&apos;avec --export</translation>
    </message>
    <message>
        <source>--fit needs --size WxH: without a size there is nothing to fit the drawing into</source>
        <translation>--fit demande --size WxH : sans taille, rien ne dit à quoi ajuster le dessin</translation>
    </message>
    <message>
        <source>bad theme %1: use light or dark</source>
        <translation>thème %1 incorrect : utilisez light ou dark</translation>
    </message>
    <message>
        <source>bad size %1: use WIDTHxHEIGHT in pixels, each from 1 to 16384 (for example 900x720)</source>
        <translation>taille %1 incorrecte : utilisez LARGEURxHAUTEUR en pixels, chacune de 1 à 16384 (par exemple 900x720)</translation>
    </message>
    <message>
        <source>only one document can be opened; got %1 and %2</source>
        <translation>un seul document peut être ouvert ; reçu %1 et %2</translation>
    </message>
    <message>
        <source>bad labels %1: use none, notes, degrees, intervals or extensions</source>
        <translation>étiquettes %1 incorrectes : utilisez none, notes, degrees, intervals ou extensions</translation>
    </message>
    <message>
        <source>bad spelling %1: use simple or scale</source>
        <translation>orthographe %1 incorrecte : utilisez simple ou scale</translation>
    </message>
    <message>
        <source>--%1 and --%2 cannot be used together</source>
        <translation>--%1 et --%2 ne peuvent pas être utilisés ensemble</translation>
    </message>
    <message>
        <source>--string, --fret and --neck are only for --export</source>
        <translation>--string, --fret et --neck ne vont qu’avec --export</translation>
    </message>
    <message>
        <source>--theme is only for PNG and SVG: a PDF is the printed page, always in the paper&apos;s colours</source>
        <translation>--theme ne vaut que pour PNG et SVG : un PDF est la page imprimée, toujours aux couleurs du papier</translation>
    </message>
    <message>
        <source>use %1, or 4 to 8 note names, lowest string first (for example &quot;D A D G B E&quot; or &quot;B0 E1 A1 D2 G2&quot;)</source>
        <translation>utilisez %1, ou 4 à 8 noms de notes, la corde la plus grave d&apos;abord (par exemple &quot;D A D G B E&quot; ou &quot;B0 E1 A1 D2 G2&quot;)</translation>
    </message>
    <message>
        <source>bad tuning %1: it has %2 notes, not 4 to 8; %3</source>
        <translation>accordage %1 incorrect : il compte %2 notes au lieu de 4 à 8 ; %3</translation>
    </message>
    <message>
        <source>bad fret window %1: use FIRST-LAST (for example 5-9), or all for the whole neck</source>
        <translation>plage de cases %1 incorrecte : utilisez PREMIÈRE-DERNIÈRE (par exemple 5-9), ou all pour tout le manche</translation>
    </message>
    <message>
        <source>bad fret window %1: the first fret must be below the last</source>
        <translation>plage de cases %1 incorrecte : la première case doit être en dessous de la dernière</translation>
    </message>
    <message>
        <source>bad fret window %1: the instrument has %2 frets</source>
        <translation>plage de cases %1 incorrecte : l&apos;instrument a %2 cases</translation>
    </message>
    <message>
        <source>bad fret window %1: no instrument has more than %2 frets</source>
        <translation>plage de cases %1 incorrecte : aucun instrument n&apos;a plus de %2 cases</translation>
    </message>
    <message>
        <source>bad frets %1: use a whole number from %2 to %3</source>
        <translation>nombre de cases %1 incorrect : utilisez un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>bad orientation %1: use vertical or horizontal</source>
        <translation>orientation %1 incorrecte : utilisez vertical ou horizontal</translation>
    </message>
    <message>
        <source>bad fret window %1: the instrument has %2 frets (stored); give --frets too, or a window within them</source>
        <translation>plage de cases %1 incorrecte : l&apos;instrument a %2 cases (enregistré) ; donnez aussi --frets, ou une plage dans ces cases</translation>
    </message>
    <message>
        <source>bad chord tones %1: use none, triad or seventh</source>
        <translation>notes d&apos;accord incorrectes %1 : utilisez none, triad ou seventh</translation>
    </message>
    <message>
        <source>bad family %1: use %2</source>
        <translation>famille de gammes %1 incorrecte : utilisez %2</translation>
    </message>
    <message>
        <source>bad positions %1: use all, 3nps, caged or window</source>
        <translation>positions %1 incorrectes : utilisez all, 3nps, caged ou window</translation>
    </message>
    <message>
        <source>bad CAGED shape %1: use C, A, G, E or D</source>
        <translation>forme CAGED %1 incorrecte : utilisez C, A, G, E ou D</translation>
    </message>
    <message>
        <source>--key, --style key|pattern, --string, --fret, --neck, --size, --fit, --theme, --labels, --tuning, --family, --spelling, --left-handed, --right-handed, --fret-numbers, --no-fret-numbers, --frets, --fret-window, --orientation, --open-strings, --no-open-strings, --positions, --caged, --positions-only, --no-positions-only, --chord-tones, --characteristic and --no-characteristic need --text or --export; the window always starts at C natural with the stored preferences</source>
        <translation>--key, --style key|pattern, --string, --fret, --neck, --size, --fit, --theme, --labels, --tuning, --family, --spelling, --left-handed, --right-handed, --fret-numbers, --no-fret-numbers, --frets, --fret-window, --orientation, --open-strings, --no-open-strings, --positions, --caged, --positions-only, --no-positions-only, --chord-tones, --characteristic et --no-characteristic exigent --text ou --export ; la fenêtre commence toujours en do naturel avec les préférences enregistrées</translation>
    </message>
    <message>
        <source>--tempo and --neck-only are only for --export FILE.mid or FILE.wav</source>
        <translation>--tempo et --neck-only ne servent qu&apos;avec --export FICHIER.mid ou FICHIER.wav</translation>
    </message>
    <message>
        <source>bad tempo %1: use a whole number from %2 to %3</source>
        <translation>tempo %1 incorrect : donnez un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>bad neck %1: use a whole number from 1 to the number of necks</source>
        <translation>manche %1 incorrect : donnez un nombre entier de 1 au nombre de manches</translation>
    </message>
    <message>
        <source>--size, --fit and --theme are only for pictures</source>
        <translation>--size, --fit et --theme ne servent que pour les images</translation>
    </message>
    <message>
        <source>Usage: varnel [FILE]
       varnel --print [FILE]
       varnel --text [--key K] [--style key|pattern] [MUSIC OPTIONS] [--labels KIND]
       varnel --export FILE.png|FILE.svg|FILE.pdf [--key K] [--style key|pattern]
              [--string N] [--fret N] [--neck N] [--size WxH [--fit]]
              [--theme light|dark] [MUSIC OPTIONS] [--labels KIND]
              [--fret-numbers|--no-fret-numbers]
       varnel --export FILE.mid|FILE.wav [--key K] [--style key|pattern]
              [--tempo N] [--neck-only N] [MUSIC OPTIONS]

Shows the seven mode patterns of a key on the guitar neck.

Options:
  --text             print the seven diagrams as text and exit
  --export FILE      write the picture to FILE (PNG, SVG or PDF) and exit; a
                     .mid or .wav FILE gets what Sound &gt; Play All plays: a
                     Standard MIDI File, or 16-bit 44.1 kHz stereo audio
                     rendered through a General MIDI SoundFont (Debian package
                     timgm6mb-soundfont, or the one the Sound settings name)
  --tempo N          beats per minute of a .mid or .wav export, 40 to 240
                     (default: the stored Sound settings, else 120)
  --neck-only N      play only neck N of a .mid or .wav export (1 the first)
  --key K            key letter A to G with an optional b, #, ♭ or ♯ (default C)
  --style STYLE      key: keep the key fixed; pattern: keep the pattern fixed
                     (default: the stored preference; in the window any other
                     name is Qt&apos;s widget style)
  --string N         string spacing in pixels (1 to 1000)
  --fret N           fret spacing in pixels (1 to 1000)
  --neck N           spacing between the necks in pixels (1 to 1000)
  --size WxH         window size the export stands for (PNG and SVG: the image size)
  --fit              scale the whole drawing into --size (PDF: onto the page)
  --theme THEME      light (default) or dark colours for PNG and SVG
  --labels KIND      none, notes, degrees, intervals or extensions inside the
                     dots (--text: degrees shows each note&apos;s degree 1 to 7; notes,
                     intervals and extensions print the labels in columns)
  --fret-numbers     number the marker frets shown beside the first neck
                     (below the last neck when horizontal)
  --no-fret-numbers  no fret numbers, whatever is stored
  --print            print the diagrams to the current printer and exit
  -h, --help         show this help and exit
  -v, --version      show the version and exit

Music options:
  --family FAMILY    major (default), harmonic-minor, melodic-minor,
                     harmonic-major (seven necks each), major-pentatonic,
                     minor-pentatonic, blues (five necks; the blue note in a
                     colour of its own, --text: &apos;b&apos;), whole-tone (one neck) or
                     diminished (two necks: half-whole and whole-half)
  --tuning TUNING    standard, drop-d, dadgad, open-d, open-g, half-down,
                     whole-down, 7-string, 8-string, bass-4, bass-5, bass-6, or
                     4 to 8 notes lowest first (&quot;D A D G B E&quot;, &quot;B0 E1 A1 D2 G2&quot;)
  --frets N          frets of the instrument, 12 to 24 (default 22)
  --fret-window F-L  show frets F to L only, 0 &lt;= F &lt; L &lt;= the frets (the nut
                     only when F is 0); all: the whole neck (default)
  --orientation ORIENTATION
                     vertical (default): the necks side by side; horizontal:
                     stacked, the nut on the left, the lowest string at the
                     bottom as in tablature
  --open-strings     name each open string beside the nut and mark those in
                     the scale
  --no-open-strings  no open strings, whatever is stored
  --positions POSITIONS
                     all (default): every scale note; 3nps: each neck&apos;s three-
                     notes-per-string shape from its tonic on the lowest string,
                     the other notes faint (--text: &apos;.&apos;), two notes per string
                     in the five- and six-note scales; caged: the CAGED box
                     around each neck&apos;s tonic; window: every note inside the
                     fret window
  --caged SHAPE      C (default), A, G, E or D: the CAGED box shown (alone, it
                     sets --positions caged)
  --positions-only   hide the notes outside a shape instead (--text: &apos;-&apos;)
  --no-positions-only  draw them faint, whatever is stored
  --chord-tones CHORD
                     none (default), triad or seventh: ring the chord built on
                     each neck&apos;s tonic from its scale and name it in the title
                     (--text: &apos;*&apos;, and the title ends in the chord&apos;s name)
  --characteristic   ring each mode&apos;s characteristic degree in a colour of its
                     own (--text: &apos;!&apos;)
  --no-characteristic  no characteristic notes, whatever is stored
  --spelling SPELLING
                     simple (default): each title&apos;s tonic with sharps, or flats
                     in a flat key; scale: every note as the key&apos;s scale writes it
  --left-handed      mirror the necks: the highest string on the left
  --right-handed     the lowest string on the left, whatever is stored

Every option not given keeps its stored value; none, major, standard, simple,
--frets 22, --fret-window all, --orientation vertical, --positions all,
--chord-tones none, --right-handed, --no-fret-numbers, --no-open-strings,
--no-positions-only and --no-characteristic give back the defaults.

Exit status: 0 success, 1 a failure to read or write (the reason is printed),
2 a bad command line.
</source>
        <translation>Usage : varnel [FICHIER]
        varnel --print [FICHIER]
        varnel --text [--key K] [--style key|pattern] [OPTIONS MUSICALES]
               [--labels TYPE]
        varnel --export FICHIER.png|FICHIER.svg|FICHIER.pdf [--key K]
               [--style key|pattern] [--string N] [--fret N] [--neck N]
               [--size WxH [--fit]] [--theme light|dark] [OPTIONS MUSICALES]
               [--labels TYPE] [--fret-numbers|--no-fret-numbers]
        varnel --export FICHIER.mid|FICHIER.wav [--key K] [--style key|pattern]
               [--tempo N] [--neck-only N] [OPTIONS MUSICALES]

Montre les motifs des sept modes d&apos;une tonalité sur le manche de la guitare.

Options :
  --text             écrire les sept diagrammes en texte et quitter
  --export FICHIER   écrire l&apos;image dans FICHIER (PNG, SVG ou PDF) et quitter ;
                     un FICHIER .mid ou .wav reçoit ce que joue Son &gt; Tout jouer :
                     un fichier MIDI standard, ou de la stéréo 16 bits à
                     44,1 kHz rendue par une SoundFont General MIDI (paquet
                     Debian timgm6mb-soundfont, ou celle des réglages du son)
  --tempo N          temps par minute d&apos;un export .mid ou .wav, de 40 à 240
                     (par défaut : les réglages du son enregistrés, sinon 120)
  --neck-only N      ne jouer que le manche N dans un export .mid ou .wav
                     (1 le premier)
  --key K            tonalité : lettre de A à G (C = do, D = ré...), suivie
                     éventuellement de b, #, ♭ ou ♯ (par défaut C)
  --style STYLE      key : tonalité fixe ; pattern : motif fixe
                     (par défaut : la préférence enregistrée ; dans la fenêtre,
                     tout autre nom est un style de widget de Qt)
  --string N         écart des cordes en pixels (1 à 1000)
  --fret N           écart des cases en pixels (1 à 1000)
  --neck N           écart entre les manches en pixels (1 à 1000)
  --size WxH         taille de la fenêtre que représente l&apos;export (PNG et SVG :
                     la taille de l&apos;image)
  --fit              ajuster tout le dessin à --size (PDF : à la page)
  --theme THÈME      couleurs claires (light, par défaut) ou sombres (dark) pour
                     PNG et SVG
  --labels TYPE      none, notes, degrees, intervals ou extensions dans les
                     points (--text : degrees montre le degré de chaque note, de
                     1 à 7 ; notes, intervals et extensions s&apos;écrivent en colonnes)
  --fret-numbers     numéroter les cases repérées 3 à 21 à gauche du premier
                     manche
  --no-fret-numbers  pas de numéros de case, quoi qu&apos;il soit enregistré
  --print            imprimer sur l&apos;imprimante courante et quitter
  -h, --help         afficher cette aide et quitter
  -v, --version      afficher la version et quitter

Options musicales :
  --family FAMILLE   famille de gammes : major (majeur, par défaut),
                     harmonic-minor (mineur harmonique), melodic-minor
                     (mineur mélodique), harmonic-major (majeur harmonique ;
                     sept manches chacune), major-pentatonic,
                     minor-pentatonic, blues (cinq manches ; la blue note dans
                     une couleur à elle, --text : &apos;b&apos;), whole-tone (par tons
                     entiers, un manche) ou diminished (diminuée, deux manches :
                     demi-ton-ton et ton-demi-ton)
  --tuning ACCORDAGE
                     standard, drop-d, dadgad, open-d, open-g, half-down,
                     whole-down, 7-string, 8-string, bass-4, bass-5, bass-6,
                     ou 4 à 8 notes, la plus grave d&apos;abord
                     (&quot;D A D G B E&quot;, &quot;B0 E1 A1 D2 G2&quot;)
  --frets N          cases de l&apos;instrument, 12 à 24 (par défaut 22)
  --fret-window F-L  ne montrer que les cases F à L, 0 &lt;= F &lt; L &lt;= les cases
                     (le sillet seulement si F vaut 0) ; all : tout le manche
                     (par défaut)
  --orientation ORIENTATION
                     vertical (par défaut) : les manches côte à côte ;
                     horizontal : superposés, le sillet à gauche, la corde
                     grave en bas comme en tablature
  --open-strings     nommer chaque corde à vide près du sillet et marquer
                     celles de la gamme
  --no-open-strings  pas de cordes à vide, quoi qu&apos;il soit enregistré
  --positions POSITIONS
                     all (par défaut) : toutes les notes de la gamme ; 3nps :
                     sur chaque manche, la forme à trois notes par corde depuis
                     sa tonique sur la corde grave, les autres notes pâles
                     (--text : &apos;.&apos;), deux notes par corde dans les gammes de
                     cinq et six notes ; caged : la boîte CAGED autour de la
                     tonique de chaque manche ; window : toutes les notes dans
                     la fenêtre de cases
  --caged FORME      C (par défaut), A, G, E ou D : la boîte CAGED montrée
                     (seule, elle donne --positions caged)
  --positions-only   masquer plutôt les notes hors d&apos;une forme (--text : &apos;-&apos;)
  --no-positions-only  les dessiner pâles, quoi qu&apos;il soit enregistré
  --chord-tones ACCORD
                     none (par défaut), triad ou seventh : entourer les notes
                     de l&apos;accord bâti sur la tonique de chaque manche dans sa
                     gamme et le nommer dans le titre (--text : &apos;*&apos;, et le
                     titre finit par le nom de l&apos;accord)
  --characteristic   entourer le degré caractéristique de chaque mode d&apos;un
                     anneau de sa propre couleur (--text : &apos;!&apos;)
  --no-characteristic  aucune note caractéristique, quoi qu&apos;il soit enregistré
  --spelling ORTHOGRAPHE
                     simple (par défaut) : la tonique de chaque titre avec des
                     dièses, ou des bémols dans une tonalité à bémols ; scale :
                     chaque note comme l&apos;écrit la gamme de la tonalité
  --left-handed      inverser les manches pour gaucher : la corde aiguë à gauche
  --right-handed     la corde grave à gauche, quoi qu&apos;il soit enregistré

Toute option absente garde sa valeur enregistrée ; none, major, standard,
simple, --frets 22, --fret-window all, --orientation vertical, --positions all,
--chord-tones none, --right-handed, --no-fret-numbers, --no-open-strings,
--no-positions-only et --no-characteristic rendent les valeurs par défaut.

Code de sortie : 0 succès, 1 un échec de lecture ou d&apos;écriture (la raison est
affichée), 2 une ligne de commande incorrecte.
</translation>
    </message>
</context>
<context>
    <name>ConfFile</name>
    <message>
        <source>its lock file %1 is not a file</source>
        <translation>son fichier de verrou %1 n’est pas un fichier</translation>
    </message>
    <message>
        <source>its lock file cannot be made: %1</source>
        <translation>son fichier de verrou ne peut pas être créé : %1</translation>
    </message>
    <message>
        <source>another program holds its lock</source>
        <translation>un autre programme tient son verrou</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>son dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>it is not a regular settings file</source>
        <translation>ce n’est pas un fichier de réglages ordinaire</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>the %1×%2 picture could not be drawn (not enough memory?)</source>
        <translation>l&apos;image de %1×%2 n&apos;a pas pu être dessinée (mémoire insuffisante ?)</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>le PDF n’a pas pu être commencé</translation>
    </message>
    <message>
        <source>the PDF could not be finished</source>
        <translation>le PDF n’a pas pu être terminé</translation>
    </message>
    <message>
        <source>bad neck %1: there are %2 necks</source>
        <translation>manche %1 incorrect : il y a %2 manches</translation>
    </message>
    <message>
        <source>cannot write %1: no General MIDI SoundFont found; install the %2 package or choose one in the Sound settings</source>
        <translation>impossible d&apos;écrire %1 : aucune SoundFont General MIDI trouvée ; installez le paquet %2 ou choisissez-en une dans les réglages du son</translation>
    </message>
    <message>
        <source>cannot export to %1: the file name must end in .png, .svg, .pdf, .mid or .wav</source>
        <translation>impossible d&apos;exporter vers %1 : le nom du fichier doit se terminer par .png, .svg, .pdf, .mid ou .wav</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>cannot print the diagrams as text</source>
        <translation>impossible d&apos;écrire les diagrammes en texte</translation>
    </message>
    <message>
        <source>cannot export</source>
        <translation>impossible d&apos;exporter</translation>
    </message>
    <message>
        <source>cannot print</source>
        <translation>impossible d&apos;imprimer</translation>
    </message>
    <message>
        <source>cannot start</source>
        <translation>impossible de démarrer</translation>
    </message>
    <message>
        <source>cannot use the argument &quot;%1&quot;: it is not valid text in the system&apos;s encoding; rename the file</source>
        <translation>impossible d&apos;utiliser l&apos;argument &quot;%1&quot; : ce n&apos;est pas un texte valide dans l&apos;encodage du système ; renommez le fichier</translation>
    </message>
</context>
<context>
    <name>ModeNames</name>
    <message>
        <source>Ionian</source>
        <translation>ionien</translation>
    </message>
    <message>
        <source>Dorian</source>
        <translation>dorien</translation>
    </message>
    <message>
        <source>Phrygian</source>
        <translation>phrygien</translation>
    </message>
    <message>
        <source>Lydian</source>
        <translation>lydien</translation>
    </message>
    <message>
        <source>Mixolydian</source>
        <translation>mixolydien</translation>
    </message>
    <message>
        <source>Aeolian</source>
        <translation>éolien</translation>
    </message>
    <message>
        <source>Locrian</source>
        <translation>locrien</translation>
    </message>
    <message>
        <source>Ion</source>
        <translation>ion</translation>
    </message>
    <message>
        <source>Dor</source>
        <translation>dor</translation>
    </message>
    <message>
        <source>Phr</source>
        <translation>phr</translation>
    </message>
    <message>
        <source>Lyd</source>
        <translation>lyd</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>mix</translation>
    </message>
    <message>
        <source>Aeo</source>
        <translation>éol</translation>
    </message>
    <message>
        <source>Loc</source>
        <translation>loc</translation>
    </message>
    <message>
        <source>Harmonic Minor</source>
        <translation>mineur harmonique</translation>
    </message>
    <message>
        <source>Locrian #6</source>
        <translation>locrien #6</translation>
    </message>
    <message>
        <source>Ionian #5</source>
        <translation>ionien #5</translation>
    </message>
    <message>
        <source>Dorian #4</source>
        <translation>dorien #4</translation>
    </message>
    <message>
        <source>Phrygian Dominant</source>
        <translation>phrygien dominant</translation>
    </message>
    <message>
        <source>Lydian #2</source>
        <translation>lydien #2</translation>
    </message>
    <message>
        <source>Altered bb7</source>
        <translation>altéré bb7</translation>
    </message>
    <message>
        <source>Harm. Min.</source>
        <translation>min. harm.</translation>
    </message>
    <message>
        <source>Loc. #6</source>
        <translation>locr. #6</translation>
    </message>
    <message>
        <source>Ion. #5</source>
        <translation>ion. #5</translation>
    </message>
    <message>
        <source>Dor. #4</source>
        <translation>dor. #4</translation>
    </message>
    <message>
        <source>Phryg. Dom.</source>
        <translation>phryg. dom.</translation>
    </message>
    <message>
        <source>Lyd. #2</source>
        <translation>lyd. #2</translation>
    </message>
    <message>
        <source>Alt. bb7</source>
        <translation>alt. bb7</translation>
    </message>
    <message>
        <source>Melodic Minor</source>
        <translation>mineur mélodique</translation>
    </message>
    <message>
        <source>Dorian b2</source>
        <translation>dorien b2</translation>
    </message>
    <message>
        <source>Lydian #5</source>
        <translation>lydien #5</translation>
    </message>
    <message>
        <source>Lydian b7</source>
        <translation>lydien b7</translation>
    </message>
    <message>
        <source>Mixolydian b6</source>
        <translation>mixolydien b6</translation>
    </message>
    <message>
        <source>Locrian #2</source>
        <translation>locrien #2</translation>
    </message>
    <message>
        <source>Altered</source>
        <translation>altéré</translation>
    </message>
    <message>
        <source>Mel. Min.</source>
        <translation>min. mél.</translation>
    </message>
    <message>
        <source>Dor. b2</source>
        <translation>dor. b2</translation>
    </message>
    <message>
        <source>Lyd. #5</source>
        <translation>lyd. #5</translation>
    </message>
    <message>
        <source>Lyd. b7</source>
        <translation>lyd. b7</translation>
    </message>
    <message>
        <source>Mixo. b6</source>
        <translation>mixol. b6</translation>
    </message>
    <message>
        <source>Loc. #2</source>
        <translation>locr. #2</translation>
    </message>
    <message>
        <source>Alt.</source>
        <translation>alt.</translation>
    </message>
    <message>
        <source>Harmonic Major</source>
        <translation>majeur harmonique</translation>
    </message>
    <message>
        <source>Dorian b5</source>
        <translation>dorien b5</translation>
    </message>
    <message>
        <source>Phrygian b4</source>
        <translation>phrygien b4</translation>
    </message>
    <message>
        <source>Lydian b3</source>
        <translation>lydien b3</translation>
    </message>
    <message>
        <source>Mixolydian b2</source>
        <translation>mixolydien b2</translation>
    </message>
    <message>
        <source>Lydian Augmented #2</source>
        <translation>lydien augmenté #2</translation>
    </message>
    <message>
        <source>Locrian bb7</source>
        <translation>locrien bb7</translation>
    </message>
    <message>
        <source>Harm. Maj.</source>
        <translation>maj. harm.</translation>
    </message>
    <message>
        <source>Dor. b5</source>
        <translation>dor. b5</translation>
    </message>
    <message>
        <source>Phr. b4</source>
        <translation>phr. b4</translation>
    </message>
    <message>
        <source>Lyd. b3</source>
        <translation>lyd. b3</translation>
    </message>
    <message>
        <source>Mix. b2</source>
        <translation>mix. b2</translation>
    </message>
    <message>
        <source>Lyd. Aug. #2</source>
        <translation>lyd. aug. #2</translation>
    </message>
    <message>
        <source>Loc. bb7</source>
        <translation>locr. bb7</translation>
    </message>
    <message>
        <source>Major Pentatonic</source>
        <translation>pentatonique majeure</translation>
    </message>
    <message>
        <source>Egyptian</source>
        <translation>égyptien</translation>
    </message>
    <message>
        <source>Man Gong</source>
        <translation>man gong</translation>
    </message>
    <message>
        <source>Ritusen</source>
        <translation>ritusen</translation>
    </message>
    <message>
        <source>Minor Pentatonic</source>
        <translation>pentatonique mineure</translation>
    </message>
    <message>
        <source>Maj. Pent.</source>
        <translation>pent. maj.</translation>
    </message>
    <message>
        <source>Egypt.</source>
        <translation>égypt.</translation>
    </message>
    <message>
        <source>Min. Pent.</source>
        <translation>pent. min.</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>blues</translation>
    </message>
    <message>
        <source>Major Blues</source>
        <translation>blues majeur</translation>
    </message>
    <message>
        <source>Blues Mode 3</source>
        <translation>blues mode 3</translation>
    </message>
    <message>
        <source>Blues Mode 4</source>
        <translation>blues mode 4</translation>
    </message>
    <message>
        <source>Blues Mode 5</source>
        <translation>blues mode 5</translation>
    </message>
    <message>
        <source>Maj. Blues</source>
        <translation>blues maj.</translation>
    </message>
    <message>
        <source>Blues 3</source>
        <translation>blues 3</translation>
    </message>
    <message>
        <source>Blues 4</source>
        <translation>blues 4</translation>
    </message>
    <message>
        <source>Blues 5</source>
        <translation>blues 5</translation>
    </message>
    <message>
        <source>Whole Tone</source>
        <translation>par tons</translation>
    </message>
    <message>
        <source>Wh. Tone</source>
        <translation>tons</translation>
    </message>
    <message>
        <source>Half-Whole Diminished</source>
        <translation>diminué demi-ton–ton</translation>
    </message>
    <message>
        <source>Whole-Half Diminished</source>
        <translation>diminué ton–demi-ton</translation>
    </message>
    <message>
        <source>H-W Dim.</source>
        <translation>dim. ½–1</translation>
    </message>
    <message>
        <source>W-H Dim.</source>
        <translation>dim. 1–½</translation>
    </message>
</context>
<context>
    <name>QtMessages</name>
    <message>
        <source>no display could be opened (is DISPLAY or WAYLAND_DISPLAY set?)</source>
        <translation>aucun écran n&apos;a pu être ouvert (DISPLAY ou WAYLAND_DISPLAY est-il défini ?)</translation>
    </message>
</context>
<context>
    <name>Replace</name>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a link in a shared folder and belongs to someone else</source>
        <translation>c’est un lien dans un dossier partagé et il appartient à quelqu’un d’autre</translation>
    </message>
    <message>
        <source>it is a link to a file that does not exist</source>
        <translation>c’est un lien vers un fichier qui n’existe pas</translation>
    </message>
</context>
<context>
    <name>SoundLibraryText</name>
    <message>
        <source>the sound module lib%1.so is missing; reinstall varnel</source>
        <translation>le module de son lib%1.so manque ; réinstallez varnel</translation>
    </message>
    <message>
        <source>%1 is not a SoundFont that can be read</source>
        <translation>%1 n&apos;est pas une SoundFont lisible</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Settings could not be saved to &quot;%1&quot;: %2</source>
        <translation>Les réglages n’ont pas pu être enregistrés dans « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Varnel</source>
        <translation>Varnel</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Key of A
Key of A</source>
        <translation>Tonalité de la
Tonalité de la</translation>
    </message>
    <message>
        <source>Key of B
Key of B</source>
        <translation>Tonalité de si
Tonalité de si</translation>
    </message>
    <message>
        <source>Key of C
Key of C</source>
        <translation>Tonalité de do
Tonalité de do</translation>
    </message>
    <message>
        <source>Key of D
Key of D</source>
        <translation>Tonalité de ré
Tonalité de ré</translation>
    </message>
    <message>
        <source>Key of E
Key of E</source>
        <translation>Tonalité de mi
Tonalité de mi</translation>
    </message>
    <message>
        <source>Key of F
Key of F</source>
        <translation>Tonalité de fa
Tonalité de fa</translation>
    </message>
    <message>
        <source>Key of G
Key of G</source>
        <translation>Tonalité de sol
Tonalité de sol</translation>
    </message>
    <message>
        <source>Make the key flat
Flat</source>
        <translation>Altérer la tonalité d&apos;un bémol
Bémol</translation>
    </message>
    <message>
        <source>Make the key natural
Natural</source>
        <translation>Retirer l&apos;altération de la tonalité
Bécarre</translation>
    </message>
    <message>
        <source>Make the key sharp
Sharp</source>
        <translation>Altérer la tonalité d&apos;un dièse
Dièse</translation>
    </message>
    <message>
        <source>Show the diagrams larger
Zoom In</source>
        <translation>Afficher les diagrammes en plus grand
Zoom avant</translation>
    </message>
    <message>
        <source>Show the diagrams smaller
Zoom Out</source>
        <translation>Afficher les diagrammes en plus petit
Zoom arrière</translation>
    </message>
    <message>
        <source>Show the diagrams at their actual size
Actual Size</source>
        <translation>Afficher les diagrammes à leur taille réelle
Taille réelle</translation>
    </message>
    <message>
        <source>Show all seven diagrams in the window
Fit to Window</source>
        <translation>Afficher les sept diagrammes dans la fenêtre
Ajuster à la fenêtre</translation>
    </message>
    <message>
        <source>Save the diagrams as a PNG, SVG or PDF file
Export</source>
        <translation>Enregistrer les diagrammes dans un fichier PNG, SVG ou PDF
Exporter</translation>
    </message>
    <message>
        <source>Copy the diagrams as a picture
Copy</source>
        <translation>Copier les diagrammes sous forme d&apos;image
Copier</translation>
    </message>
    <message>
        <source>Mirror the necks for a left-handed player
Left-Handed</source>
        <translation>Inverser les manches pour un guitariste gaucher
Gaucher</translation>
    </message>
    <message>
        <source>Number the marked frets beside the first neck
Fret Numbers</source>
        <translation>Numéroter les cases repérées à côté du premier manche
Numéros de cases</translation>
    </message>
    <message>
        <source>Preferences
Preferences</source>
        <translation>Préférences
Préférences</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Changer d&apos;imprimante et d&apos;options d&apos;impression
Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimer le document actif
Imprimer</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Afficher des pages entières
Aperçu avant impression</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Afficher les informations du programme, son numéro de version et son copyright
À propos</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quitter l&apos;application&#xa0;; propose d&apos;enregistrer les documents
Quitter</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Afficher ou masquer la barre d&apos;outils
Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Afficher ou masquer la barre d&apos;état
Barre d&apos;état</translation>
    </message>
    <message>
        <source>Name each diagram&apos;s tonic by its pitch, sharps unless the key is flat, and its other notes from it
Simple Spelling</source>
        <translation>Nommer la tonique de chaque diagramme selon sa hauteur, en dièses sauf dans une tonalité à bémols, et les autres notes à partir d&apos;elle
Orthographe simple</translation>
    </message>
    <message>
        <source>Name every note as the key&apos;s own scale writes it
Scale Spelling</source>
        <translation>Nommer chaque note comme l&apos;écrit la gamme de la tonalité
Orthographe de la gamme</translation>
    </message>
    <message>
        <source>Tune 4 to 8 strings to notes of your own
Custom Tuning</source>
        <translation>Accorder 4 à 8 cordes sur des notes de votre choix
Accordage personnalisé</translation>
    </message>
    <message>
        <source>Stand the necks side by side, the nut at the top
Vertical</source>
        <translation>Dresser les manches côte à côte, le sillet en haut
Vertical</translation>
    </message>
    <message>
        <source>Lay the necks one above the other, the nut on the left and the lowest string at the bottom, as in tablature
Horizontal</source>
        <translation>Coucher les manches l&apos;un au-dessus de l&apos;autre, le sillet à gauche et la corde grave en bas, comme en tablature
Horizontal</translation>
    </message>
    <message>
        <source>Name each open string beside the nut and mark those in the scale
Open Strings</source>
        <translation>Nommer chaque corde à vide près du sillet et marquer celles de la gamme
Cordes à vide</translation>
    </message>
    <message>
        <source>Show every fret from the nut to the last
Whole Neck</source>
        <translation>Montrer toutes les cases du sillet à la dernière
Manche entier</translation>
    </message>
    <message>
        <source>Show only the frets from one to another
Fret Window</source>
        <translation>Ne montrer que les cases de l&apos;une à une autre
Plage de cases</translation>
    </message>
    <message>
        <source>Show every note of the scale alike
All Notes</source>
        <translation>Montrer toutes les notes de la gamme de la même façon
Toutes les notes</translation>
    </message>
    <message>
        <source>Set apart on each neck the shape of three notes per string that starts on its tonic
Three Notes per String</source>
        <translation>Faire ressortir sur chaque manche la forme à trois notes par corde qui commence sur sa tonique
Trois notes par corde</translation>
    </message>
    <message>
        <source>Show every note of the scale inside the fret window
Inside the Fret Window</source>
        <translation>Montrer toutes les notes de la gamme dans la fenêtre de cases
Dans la fenêtre de cases</translation>
    </message>
    <message>
        <source>Hide the notes outside each shape instead of drawing them faint
Hide Notes Outside the Shape</source>
        <translation>Masquer les notes hors de chaque forme au lieu de les dessiner pâles
Masquer les notes hors de la forme</translation>
    </message>
    <message>
        <source>Mark no chord on the necks
No Chord Tones</source>
        <translation>Ne marquer aucun accord sur les manches
Aucune note d&apos;accord</translation>
    </message>
    <message>
        <source>Ring the triad built on each neck&apos;s tonic and name it in the title
Triads</source>
        <translation>Entourer la triade bâtie sur la tonique de chaque manche et la nommer dans le titre
Triades</translation>
    </message>
    <message>
        <source>Ring the seventh chord built on each neck&apos;s tonic and name it in the title
Seventh Chords</source>
        <translation>Entourer l&apos;accord de septième bâti sur la tonique de chaque manche et le nommer dans le titre
Accords de septième</translation>
    </message>
    <message>
        <source>Ring the degree that sets each mode apart from the nearest major or minor scale
Characteristic Notes</source>
        <translation>Entourer le degré qui distingue chaque mode de la gamme majeure ou mineure la plus proche
Notes caractéristiques</translation>
    </message>
    <message>
        <source>Set apart on each neck the CAGED box around its tonic
CAGED</source>
        <translation>Faire ressortir sur chaque manche la boîte CAGED autour de sa tonique
CAGED</translation>
    </message>
    <message>
        <source>Show the box of the C chord shape
C Shape</source>
        <translation>Montrer la boîte de la forme d’accord C
Forme C</translation>
    </message>
    <message>
        <source>Show the box of the A chord shape
A Shape</source>
        <translation>Montrer la boîte de la forme d’accord A
Forme A</translation>
    </message>
    <message>
        <source>Show the box of the G chord shape
G Shape</source>
        <translation>Montrer la boîte de la forme d’accord G
Forme G</translation>
    </message>
    <message>
        <source>Show the box of the E chord shape
E Shape</source>
        <translation>Montrer la boîte de la forme d’accord E
Forme E</translation>
    </message>
    <message>
        <source>Show the box of the D chord shape
D Shape</source>
        <translation>Montrer la boîte de la forme d’accord D
Forme D</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d&apos;écrire sur la sortie standard : %1</translation>
    </message>
</context>
<context>
    <name>Tunings</name>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Drop D</source>
        <translation>Drop D</translation>
    </message>
    <message>
        <source>DADGAD</source>
        <translation>DADGAD</translation>
    </message>
    <message>
        <source>Open D</source>
        <translation>Open D</translation>
    </message>
    <message>
        <source>Open G</source>
        <translation>Open G</translation>
    </message>
    <message>
        <source>Half Step Down</source>
        <translation>Un demi-ton plus bas</translation>
    </message>
    <message>
        <source>Whole Step Down</source>
        <translation>Un ton plus bas</translation>
    </message>
    <message>
        <source>7-String Guitar</source>
        <translation>Guitare à 7 cordes</translation>
    </message>
    <message>
        <source>8-String Guitar</source>
        <translation>Guitare à 8 cordes</translation>
    </message>
    <message>
        <source>4-String Bass</source>
        <translation>Basse à 4 cordes</translation>
    </message>
    <message>
        <source>5-String Bass</source>
        <translation>Basse à 5 cordes</translation>
    </message>
    <message>
        <source>6-String Bass</source>
        <translation>Basse à 6 cordes</translation>
    </message>
</context>
</TS>
