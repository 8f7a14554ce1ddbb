<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AudioPortText</name>
    <message>
        <source>no audio output device</source>
        <translation>kein Audioausgang</translation>
    </message>
    <message>
        <source>the audio output does not take 44.1 kHz 16-bit stereo</source>
        <translation>der Audioausgang nimmt kein 16-Bit-Stereo mit 44,1 kHz an</translation>
    </message>
    <message>
        <source>the audio output could not be opened</source>
        <translation>der Audioausgang ließ sich nicht öffnen</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Varnel</source>
        <translation>Über Varnel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Varnel Version 1.0</source>
        <translation>Varnel Version 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) 2026</source>
        <translation>Copyright (C) 2026</translation>
    </message>
    <message>
        <source>Varnel shows the correct notes of the seven mode patterns for the guitar.</source>
        <translation>Varnel zeigt die richtigen Töne der sieben Modi als Griffmuster für die Gitarre.</translation>
    </message>
    <message>
        <source>What Varnel Does</source>
        <translation>Was Varnel kann</translation>
    </message>
    <message>
        <source>Legal Stuff</source>
        <translation>Rechtliches</translation>
    </message>
    <message>
        <source>Protected by national
and international law.</source>
        <translation>Geschützt nach nationalem
und internationalem Recht.</translation>
    </message>
    <message>
        <source>by</source>
        <translation>von</translation>
    </message>
    <message>
        <source>A %1 bit application</source>
        <translation>%1-Bit-Programm</translation>
    </message>
</context>
<context>
    <name>CFretWindowDlg</name>
    <message>
        <source>Fret Window</source>
        <translation>Bundbereich</translation>
    </message>
    <message>
        <source>&amp;First fret (0 is the nut):</source>
        <translation>&amp;Erster Bund (0 ist der Sattel):</translation>
    </message>
    <message>
        <source>&amp;Last fret (up to %1):</source>
        <translation>&amp;Letzter Bund (bis %1):</translation>
    </message>
    <message>
        <source>&amp;Whole Neck</source>
        <translation>&amp;Ganzer Hals</translation>
    </message>
    <message>
        <source>The first fret (%1) must be below the last (%2).</source>
        <translation>Der erste Bund (%1) muss unter dem letzten (%2) liegen.</translation>
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
        <translation>&amp;Be</translation>
    </message>
    <message>
        <source>&amp;Natural</source>
        <translation>&amp;Auflösung</translation>
    </message>
    <message>
        <source>&amp;Sharp</source>
        <translation>&amp;Kreuz</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Fit to Window</source>
        <translation>An &amp;Fenster anpassen</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>&amp;Degrees</source>
        <translation>&amp;Stufen</translation>
    </message>
    <message>
        <source>&amp;Intervals</source>
        <translation>&amp;Intervalle</translation>
    </message>
    <message>
        <source>&amp;Major</source>
        <translation>&amp;Dur</translation>
    </message>
    <message>
        <source>&amp;Harmonic Minor</source>
        <translation>&amp;Harmonisch Moll</translation>
    </message>
    <message>
        <source>M&amp;elodic Minor</source>
        <translation>&amp;Melodisch Moll</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <translation>&amp;Eigene...</translation>
    </message>
    <message>
        <source>&amp;Left-Handed</source>
        <translation>&amp;Linkshänder</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Strg+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Dr&amp;ucker einrichten...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Preferences	F2</source>
        <translation>&amp;Einstellungen	F2</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;About Varnel...</source>
        <translation>Ü&amp;ber Varnel...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>&amp;Tonart</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>La&amp;bels</source>
        <translation>&amp;Beschriftung</translation>
    </message>
    <message>
        <source>T&amp;uning</source>
        <translation>St&amp;immung</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>the file name must end in .png, .svg or .pdf</source>
        <translation>der Dateiname muss auf .png, .svg oder .pdf enden</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Varnel</source>
        <translation>Varnel</translation>
    </message>
    <message>
        <source>Cannot write “%1”: %2.</source>
        <translation>„%1“ kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>No&amp;tes</source>
        <translation>&amp;Tonnamen</translation>
    </message>
    <message>
        <source>Fret &amp;Numbers</source>
        <translation>Bund&amp;nummern</translation>
    </message>
    <message>
        <source>Scale Fa&amp;mily</source>
        <translation>&amp;Tonleiterfamilie</translation>
    </message>
    <message>
        <source>Intervals (e&amp;xtensions)</source>
        <translation>Intervalle (&amp;Optionstöne)</translation>
    </message>
    <message>
        <source>&amp;Simple</source>
        <translation>&amp;Einfach</translation>
    </message>
    <message>
        <source>&amp;As the Key&apos;s Scale Writes It</source>
        <translation>&amp;Wie die Tonleiter der Tonart schreibt</translation>
    </message>
    <message>
        <source>S&amp;pelling</source>
        <translation>Sc&amp;hreibweise</translation>
    </message>
    <message>
        <source>Draw necks of %1 frets</source>
        <translation>Hälse mit %1 Bünden zeichnen</translation>
    </message>
    <message>
        <source>&amp;Whole Neck</source>
        <translation>&amp;Ganzer Hals</translation>
    </message>
    <message>
        <source>&amp;Fret Window...</source>
        <translation>&amp;Bundbereich...</translation>
    </message>
    <message>
        <source>&amp;Vertical</source>
        <translation>&amp;Senkrecht</translation>
    </message>
    <message>
        <source>&amp;Horizontal</source>
        <translation>&amp;Waagerecht</translation>
    </message>
    <message>
        <source>Open Strin&amp;gs</source>
        <translation>L&amp;eere Saiten</translation>
    </message>
    <message>
        <source>F&amp;rets</source>
        <translation>Bün&amp;de</translation>
    </message>
    <message>
        <source>Ori&amp;entation</source>
        <translation>&amp;Ausrichtung</translation>
    </message>
    <message>
        <source>&amp;All Notes</source>
        <translation>&amp;Alle Töne</translation>
    </message>
    <message>
        <source>&amp;Three Notes per String</source>
        <translation>Drei &amp;Töne pro Saite</translation>
    </message>
    <message>
        <source>Inside the Fret &amp;Window</source>
        <translation>Innerhalb des Bund&amp;fensters</translation>
    </message>
    <message>
        <source>&amp;Hide Notes Outside the Shape</source>
        <translation>Töne außerhalb der Form a&amp;usblenden</translation>
    </message>
    <message>
        <source>&amp;Hand Positions</source>
        <translation>Hand&amp;positionen</translation>
    </message>
    <message>
        <source>&amp;Triads</source>
        <translation>&amp;Dreiklänge</translation>
    </message>
    <message>
        <source>&amp;Seventh Chords</source>
        <translation>&amp;Septakkorde</translation>
    </message>
    <message>
        <source>Mar&amp;k Characteristic Notes</source>
        <translation>&amp;Charakteristische Töne markieren</translation>
    </message>
    <message>
        <source>&amp;Chord Tones</source>
        <translation>Akko&amp;rdtöne</translation>
    </message>
    <message>
        <source>Harmonic Ma&amp;jor</source>
        <translation>Harmonisch D&amp;ur</translation>
    </message>
    <message>
        <source>Major &amp;Pentatonic</source>
        <translation>Dur-&amp;Pentatonik</translation>
    </message>
    <message>
        <source>Minor Pe&amp;ntatonic</source>
        <translation>Moll-Pe&amp;ntatonik</translation>
    </message>
    <message>
        <source>&amp;Blues</source>
        <translation>&amp;Blues</translation>
    </message>
    <message>
        <source>&amp;Whole Tone</source>
        <translation>&amp;Ganzton</translation>
    </message>
    <message>
        <source>&amp;Diminished</source>
        <translation>&amp;Vermindert</translation>
    </message>
    <message>
        <source>&amp;CAGED</source>
        <translation>&amp;CAGED</translation>
    </message>
    <message>
        <source>&amp;C Shape</source>
        <translation>&amp;C-Form</translation>
    </message>
    <message>
        <source>&amp;A Shape</source>
        <translation>&amp;A-Form</translation>
    </message>
    <message>
        <source>&amp;G Shape</source>
        <translation>&amp;G-Form</translation>
    </message>
    <message>
        <source>&amp;E Shape</source>
        <translation>&amp;E-Form</translation>
    </message>
    <message>
        <source>&amp;D Shape</source>
        <translation>&amp;D-Form</translation>
    </message>
    <message>
        <source>CAGED &amp;Shape</source>
        <translation>CAGED-F&amp;orm</translation>
    </message>
</context>
<context>
    <name>CPrefsDlg</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Keep Key Fixed</source>
        <translation>Tonart festhalten</translation>
    </message>
    <message>
        <source>Keep Pattern Fixed</source>
        <translation>Muster festhalten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>(Fret spacing = 1.5 * String spacing works well)</source>
        <translation>(Gut: Bundabstand = 1,5 * Saitenabstand)</translation>
    </message>
    <message>
        <source>(Neck spacing = String spacing works well)</source>
        <translation>(Gut: Halsabstand = Saitenabstand)</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Drawing Metrics</source>
        <translation>Zeichenmaße</translation>
    </message>
    <message>
        <source>Please enter a whole number.</source>
        <translation>Bitte eine ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter a whole number between %1 and %2.</source>
        <translation>Bitte eine ganze Zahl zwischen %1 und %2 eingeben.</translation>
    </message>
    <message>
        <source>Varnel</source>
        <translation>Varnel</translation>
    </message>
    <message>
        <source>&amp;String spacing (pixels)</source>
        <translation>&amp;Saitenabstand (Pixel)</translation>
    </message>
    <message>
        <source>&amp;Fret spacing (pixels)</source>
        <translation>&amp;Bundabstand (Pixel)</translation>
    </message>
    <message>
        <source>&amp;Neck spacing (pixels)</source>
        <translation>&amp;Halsabstand (Pixel)</translation>
    </message>
</context>
<context>
    <name>CSoundDlg</name>
    <message>
        <source>Sound Settings</source>
        <translation>Klangeinstellungen</translation>
    </message>
    <message>
        <source> BPM</source>
        <translation> BPM</translation>
    </message>
    <message>
        <source> % of a beat</source>
        <translation> % eines Schlags</translation>
    </message>
    <message>
        <source>Steel-string guitar</source>
        <translation>Stahlsaitengitarre</translation>
    </message>
    <message>
        <source>Nylon-string guitar</source>
        <translation>Nylonsaitengitarre</translation>
    </message>
    <message>
        <source>A bass tuning always sounds as a fingered bass.</source>
        <translation>Eine Bassstimmung klingt immer als gezupfter Bass.</translation>
    </message>
    <message>
        <source>&amp;Drone on the tonic under the playing neck</source>
        <translation>&amp;Bordun auf dem Grundton unter dem spielenden Hals</translation>
    </message>
    <message>
        <source>The system&apos;s General MIDI SoundFont</source>
        <translation>Die General-MIDI-SoundFont des Systems</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;Tempo:</source>
        <translation>&amp;Tempo:</translation>
    </message>
    <message>
        <source>&amp;Note length:</source>
        <translation>&amp;Notenlänge:</translation>
    </message>
    <message>
        <source>&amp;Instrument:</source>
        <translation>&amp;Instrument:</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Lautstärke:</translation>
    </message>
    <message>
        <source>&amp;SoundFont:</source>
        <translation>&amp;SoundFont:</translation>
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
        <translation>&amp;Klang</translation>
    </message>
    <message>
        <source>Play &amp;All</source>
        <translation>&amp;Alle spielen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>Sound Se&amp;ttings...</source>
        <translation>Klang&amp;einstellungen...</translation>
    </message>
    <message>
        <source>No SoundFont: install the %1 package</source>
        <translation>Keine SoundFont: installieren Sie das Paket %1</translation>
    </message>
    <message>
        <source>No sound module: reinstall varnel</source>
        <translation>Kein Klangmodul: installieren Sie varnel neu</translation>
    </message>
    <message>
        <source>No audio output: install and start pipewire-pulse or pulseaudio</source>
        <translation>Kein Audioausgang: installieren und starten Sie pipewire-pulse oder pulseaudio</translation>
    </message>
    <message>
        <source>No sound: %1</source>
        <translation>Kein Klang: %1</translation>
    </message>
    <message>
        <source>Play Neck &amp;%1</source>
        <translation>Hals &amp;%1 spielen</translation>
    </message>
</context>
<context>
    <name>CTuningDlg</name>
    <message>
        <source>Custom Tuning</source>
        <translation>Eigene Stimmung</translation>
    </message>
    <message>
        <source>“%1” is not a note name. Use a letter A to G with an optional b or #, and an optional octave number.</source>
        <translation>„%1“ ist kein Tonname. Erlaubt ist ein Buchstabe von A bis G (den Ton H schreibt man hier B), optional mit b oder # und einer Oktavzahl.</translation>
    </message>
    <message>
        <source>Varnel</source>
        <translation>Varnel</translation>
    </message>
    <message>
        <source>4 to 8 notes, &amp;lowest string first (for example D A D G B E, or B0 E1 A1 D2 G2 for a five-string bass):</source>
        <translation>4 bis 8 Töne, &amp;tiefste Saite zuerst (zum Beispiel D A D G B E, oder B0 E1 A1 D2 G2 für einen fünfsaitigen Bass):</translation>
    </message>
    <message numerus="yes">
        <source>Enter 4 to 8 note names, one per string, lowest string first; this has %n note(s).</source>
        <translation>
            <numerusform>Bitte 4 bis 8 Tonnamen eingeben, einen je Saite, tiefste Saite zuerst; dies ist %n Ton.</numerusform>
            <numerusform>Bitte 4 bis 8 Tonnamen eingeben, einen je Saite, tiefste Saite zuerst; dies sind %n Töne.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CVarnelApp</name>
    <message>
        <source>cannot open %1: no readable file of that name</source>
        <translation>kann %1 nicht öffnen: keine lesbare Datei dieses Namens</translation>
    </message>
    <message>
        <source>nothing was printed: no printer could be started</source>
        <translation>nichts gedruckt: kein Drucker ließ sich starten</translation>
    </message>
    <message>
        <source>Varnel</source>
        <translation>Varnel</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>„%1“ kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>CVarnelView</name>
    <message>
        <source>Neck diagrams</source>
        <translation>Griffbrettdiagramme</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Be</translation>
    </message>
    <message>
        <source>Natural</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>major</source>
        <translation>Dur</translation>
    </message>
    <message>
        <source>harmonic minor</source>
        <translation>harmonisch Moll</translation>
    </message>
    <message>
        <source>melodic minor</source>
        <translation>melodisch Moll</translation>
    </message>
    <message>
        <source>%1 %2 drawn as %3 %2</source>
        <translation>%1 %2 gezeichnet als %3 %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>1st</source>
        <comment>degree</comment>
        <translation>1. Stufe</translation>
    </message>
    <message>
        <source>2nd</source>
        <comment>degree</comment>
        <translation>2. Stufe</translation>
    </message>
    <message>
        <source>3rd</source>
        <comment>degree</comment>
        <translation>3. Stufe</translation>
    </message>
    <message>
        <source>4th</source>
        <comment>degree</comment>
        <translation>4. Stufe</translation>
    </message>
    <message>
        <source>5th</source>
        <comment>degree</comment>
        <translation>5. Stufe</translation>
    </message>
    <message>
        <source>6th</source>
        <comment>degree</comment>
        <translation>6. Stufe</translation>
    </message>
    <message>
        <source>7th</source>
        <comment>degree</comment>
        <translation>7. Stufe</translation>
    </message>
    <message>
        <source>String %1, fret %2: %3%4</source>
        <translation>Saite %1, Bund %2: %3%4</translation>
    </message>
    <message>
        <source>%1, not in %2</source>
        <translation>%1, nicht in %2</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 in %3</translation>
    </message>
    <message>
        <source>harmonic major</source>
        <translation>harmonisch Dur</translation>
    </message>
    <message>
        <source>major pentatonic</source>
        <translation>Dur-Pentatonik</translation>
    </message>
    <message>
        <source>minor pentatonic</source>
        <translation>Moll-Pentatonik</translation>
    </message>
    <message>
        <source>blues</source>
        <translation>Blues</translation>
    </message>
    <message>
        <source>whole tone</source>
        <translation>Ganzton</translation>
    </message>
    <message>
        <source>diminished</source>
        <translation>vermindert</translation>
    </message>
    <message>
        <source>%1, %2 of %3, outside the shape</source>
        <translation>%1, %2 in %3, außerhalb der Form</translation>
    </message>
    <message>
        <source>Play Neck</source>
        <translation>Hals spielen</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>bad tuning %1: %2 is not a note; %3</source>
        <translation>ungültige Stimmung %1: %2 ist kein Ton; %3</translation>
    </message>
    <message>
        <source>bad key %1: use a letter A to G, optionally followed by b, #, ♭ or ♯ (for example Eb or F#)</source>
        <translation>ungültige Tonart %1: erlaubt ist ein Buchstabe von A bis G, optional gefolgt von b, #, ♭ oder ♯ (zum Beispiel Eb oder F#; den Ton H schreibt man hier B)</translation>
    </message>
    <message>
        <source>bad style %1: use key or pattern</source>
        <translation>ungültiger Stil %1: erlaubt sind key oder pattern</translation>
    </message>
    <message>
        <source>bad --%1 spacing %2: use a whole number of pixels from %3 to %4</source>
        <translation>ungültiger Abstand für --%1: %2; erlaubt ist eine ganze Zahl von Pixeln von %3 bis %4</translation>
    </message>
    <message>
        <source>--text and --export cannot be used together</source>
        <translation>--text und --export lassen sich nicht zusammen verwenden</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>--print opens the window&apos;s print path; it cannot be used with --text or --export</source>
        <translation>--print druckt über das Fenster; es lässt sich nicht mit --text oder --export verwenden</translation>
    </message>
    <message>
        <source>--size is only for --export</source>
        <translation>--size gilt nur für --export</translation>
    </message>
    <message>
        <source>--fit and --theme are only for --export</source>
        <translation>--fit und --theme gelten nur für --export</translation>
    </message>
    <message>
        <source>--fit needs --size WxH: without a size there is nothing to fit the drawing into</source>
        <translation>--fit braucht --size WxH: ohne Größe gibt es nichts, in das die Zeichnung passen könnte</translation>
    </message>
    <message>
        <source>bad theme %1: use light or dark</source>
        <translation>ungültiges Farbschema %1: erlaubt sind light oder dark</translation>
    </message>
    <message>
        <source>bad size %1: use WIDTHxHEIGHT in pixels, each from 1 to 16384 (for example 900x720)</source>
        <translation>ungültige Größe %1: erlaubt ist BREITExHÖHE in Pixeln, jeweils von 1 bis 16384 (zum Beispiel 900x720)</translation>
    </message>
    <message>
        <source>only one document can be opened; got %1 and %2</source>
        <translation>es lässt sich nur ein Dokument öffnen; angegeben sind %1 und %2</translation>
    </message>
    <message>
        <source>bad labels %1: use none, notes, degrees, intervals or extensions</source>
        <translation>ungültige Beschriftung %1: erlaubt sind none, notes, degrees, intervals oder extensions</translation>
    </message>
    <message>
        <source>bad spelling %1: use simple or scale</source>
        <translation>ungültige Schreibweise %1: erlaubt sind simple oder scale</translation>
    </message>
    <message>
        <source>--%1 and --%2 cannot be used together</source>
        <translation>--%1 und --%2 können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>--string, --fret and --neck are only for --export</source>
        <translation>--string, --fret und --neck gibt es nur mit --export</translation>
    </message>
    <message>
        <source>--theme is only for PNG and SVG: a PDF is the printed page, always in the paper&apos;s colours</source>
        <translation>--theme gibt es nur für PNG und SVG: ein PDF ist die gedruckte Seite, immer in den Farben des Papiers</translation>
    </message>
    <message>
        <source>use %1, or 4 to 8 note names, lowest string first (for example &quot;D A D G B E&quot; or &quot;B0 E1 A1 D2 G2&quot;)</source>
        <translation>erlaubt sind %1 oder 4 bis 8 Tonnamen, tiefste Saite zuerst (zum Beispiel &quot;D A D G B E&quot; oder &quot;B0 E1 A1 D2 G2&quot;)</translation>
    </message>
    <message>
        <source>bad tuning %1: it has %2 notes, not 4 to 8; %3</source>
        <translation>ungültige Stimmung %1: sie hat %2 Töne statt 4 bis 8; %3</translation>
    </message>
    <message>
        <source>bad fret window %1: use FIRST-LAST (for example 5-9), or all for the whole neck</source>
        <translation>ungültiger Bundbereich %1: erlaubt ist ERSTER-LETZTER (zum Beispiel 5-9) oder all für den ganzen Hals</translation>
    </message>
    <message>
        <source>bad fret window %1: the first fret must be below the last</source>
        <translation>ungültiger Bundbereich %1: der erste Bund muss unter dem letzten liegen</translation>
    </message>
    <message>
        <source>bad fret window %1: the instrument has %2 frets</source>
        <translation>ungültiger Bundbereich %1: das Instrument hat %2 Bünde</translation>
    </message>
    <message>
        <source>bad fret window %1: no instrument has more than %2 frets</source>
        <translation>ungültiger Bundbereich %1: kein Instrument hat mehr als %2 Bünde</translation>
    </message>
    <message>
        <source>bad frets %1: use a whole number from %2 to %3</source>
        <translation>ungültige Bundzahl %1: erlaubt ist eine ganze Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>bad orientation %1: use vertical or horizontal</source>
        <translation>ungültige Ausrichtung %1: erlaubt sind vertical und horizontal</translation>
    </message>
    <message>
        <source>bad fret window %1: the instrument has %2 frets (stored); give --frets too, or a window within them</source>
        <translation>ungültiger Bundbereich %1: das Instrument hat %2 Bünde (gespeichert); bitte auch --frets angeben oder einen Bereich innerhalb dieser Bünde</translation>
    </message>
    <message>
        <source>bad chord tones %1: use none, triad or seventh</source>
        <translation>ungültige Akkordtöne %1: none, triad oder seventh verwenden</translation>
    </message>
    <message>
        <source>bad family %1: use %2</source>
        <translation>ungültige Tonleiterfamilie %1: erlaubt sind %2</translation>
    </message>
    <message>
        <source>bad positions %1: use all, 3nps, caged or window</source>
        <translation>ungültige Positionen %1: all, 3nps, caged oder window verwenden</translation>
    </message>
    <message>
        <source>bad CAGED shape %1: use C, A, G, E or D</source>
        <translation>ungültige CAGED-Form %1: C, A, G, E oder D verwenden</translation>
    </message>
    <message>
        <source>--key, --style key|pattern, --string, --fret, --neck, --size, --fit, --theme, --labels, --tuning, --family, --spelling, --left-handed, --right-handed, --fret-numbers, --no-fret-numbers, --frets, --fret-window, --orientation, --open-strings, --no-open-strings, --positions, --caged, --positions-only, --no-positions-only, --chord-tones, --characteristic and --no-characteristic need --text or --export; the window always starts at C natural with the stored preferences</source>
        <translation>--key, --style key|pattern, --string, --fret, --neck, --size, --fit, --theme, --labels, --tuning, --family, --spelling, --left-handed, --right-handed, --fret-numbers, --no-fret-numbers, --frets, --fret-window, --orientation, --open-strings, --no-open-strings, --positions, --caged, --positions-only, --no-positions-only, --chord-tones, --characteristic und --no-characteristic brauchen --text oder --export; das Fenster beginnt immer bei C ohne Vorzeichen mit den gespeicherten Einstellungen</translation>
    </message>
    <message>
        <source>--tempo and --neck-only are only for --export FILE.mid or FILE.wav</source>
        <translation>--tempo und --neck-only gibt es nur für --export DATEI.mid oder DATEI.wav</translation>
    </message>
    <message>
        <source>bad tempo %1: use a whole number from %2 to %3</source>
        <translation>ungültiges Tempo %1: eine ganze Zahl von %2 bis %3 angeben</translation>
    </message>
    <message>
        <source>bad neck %1: use a whole number from 1 to the number of necks</source>
        <translation>ungültiger Hals %1: eine ganze Zahl von 1 bis zur Zahl der Hälse angeben</translation>
    </message>
    <message>
        <source>--size, --fit and --theme are only for pictures</source>
        <translation>--size, --fit und --theme gibt es nur für Bilder</translation>
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
        <translation>Aufruf: varnel [DATEI]
        varnel --print [DATEI]
        varnel --text [--key K] [--style key|pattern] [MUSIKOPTIONEN] [--labels ART]
        varnel --export DATEI.png|DATEI.svg|DATEI.pdf [--key K]
               [--style key|pattern] [--string N] [--fret N] [--neck N]
               [--size WxH [--fit]] [--theme light|dark] [MUSIKOPTIONEN]
               [--labels ART] [--fret-numbers|--no-fret-numbers]
        varnel --export DATEI.mid|DATEI.wav [--key K] [--style key|pattern]
               [--tempo N] [--neck-only N] [MUSIKOPTIONEN]

Zeigt die sieben Modi einer Tonart als Griffmuster auf dem Gitarrenhals.

Optionen:
  --text             die sieben Diagramme als Text ausgeben und beenden
  --export DATEI     das Bild in DATEI schreiben (PNG, SVG oder PDF) und beenden;
                     eine .mid- oder .wav-DATEI erhält, was Klang &gt; Alle spielen
                     spielt: eine Standard-MIDI-Datei oder 16-Bit-Stereo mit
                     44,1 kHz, gerendert mit einer General-MIDI-SoundFont
                     (Debian-Paket timgm6mb-soundfont, oder die in den
                     Klangeinstellungen gewählte)
  --tempo N          Schläge pro Minute eines .mid- oder .wav-Exports, 40 bis 240
                     (Vorgabe: die gespeicherten Klangeinstellungen, sonst 120)
  --neck-only N      nur Hals N in einen .mid- oder .wav-Export (1 der erste)
  --key K            Tonart: Buchstabe A bis G, optional mit b, #, ♭ oder ♯
                     (Vorgabe C; den Ton H schreibt man hier B)
  --style STIL       key: Tonart festhalten; pattern: Griffmuster festhalten
                     (Vorgabe: die gespeicherte Einstellung; im Fenster ist
                     jeder andere Name ein Widget-Stil von Qt)
  --string N         Saitenabstand in Pixeln (1 bis 1000)
  --fret N           Bundabstand in Pixeln (1 bis 1000)
  --neck N           Abstand zwischen den Hälsen in Pixeln (1 bis 1000)
  --size WxH         Fenstergröße, für die der Export steht (PNG und SVG:
                     die Bildgröße)
  --fit              die ganze Zeichnung in --size einpassen (PDF: in die Seite)
  --theme SCHEMA     helle (light, Vorgabe) oder dunkle Farben (dark) für PNG
                     und SVG
  --labels ART       none, notes, degrees, intervals oder extensions in den
                     Punkten (--text: degrees zeigt die Stufe jedes Tons, 1 bis 7;
                     notes, intervals und extensions stehen in Spalten)
  --fret-numbers     die markierten Bünde 3 bis 21 links vom ersten Hals
                     nummerieren
  --no-fret-numbers  keine Bundnummern, was auch gespeichert ist
  --print            die Diagramme auf dem aktuellen Drucker drucken und beenden
  -h, --help         diese Hilfe zeigen und beenden
  -v, --version      die Version zeigen und beenden

Musikoptionen:
  --family FAMILIE   Tonleiterfamilie: major (Dur, Vorgabe), harmonic-minor
                     (harmonisch Moll), melodic-minor (melodisch Moll),
                     harmonic-major (harmonisch Dur; je sieben Hälse),
                     major-pentatonic, minor-pentatonic, blues (fünf Hälse;
                     die Blue Note in eigener Farbe, --text: &apos;b&apos;), whole-tone
                     (Ganzton, ein Hals) oder diminished (vermindert, zwei
                     Hälse: Halbton-Ganzton und Ganzton-Halbton)
  --tuning STIMMUNG  standard, drop-d, dadgad, open-d, open-g, half-down,
                     whole-down, 7-string, 8-string, bass-4, bass-5, bass-6
                     oder 4 bis 8 Töne, tiefste Saite zuerst
                     (&quot;D A D G B E&quot;, &quot;B0 E1 A1 D2 G2&quot;)
  --frets N          Bünde des Instruments, 12 bis 24 (Vorgabe 22)
  --fret-window F-L  nur die Bünde F bis L zeigen, 0 &lt;= F &lt; L &lt;= die Bünde
                     (den Sattel nur, wenn F 0 ist); all: der ganze Hals
                     (Vorgabe)
  --orientation LAGE
                     vertical (Vorgabe): die Hälse nebeneinander; horizontal:
                     untereinander, der Sattel links, die tiefste Saite unten
                     wie in der Tabulatur
  --open-strings     jede leere Saite neben dem Sattel benennen und die in der
                     Tonleiter markieren
  --no-open-strings  keine leeren Saiten, was auch gespeichert ist
  --positions POSITIONEN
                     all (Vorgabe): jeder Ton der Tonleiter; 3nps: auf jedem
                     Hals die Form mit drei Tönen pro Saite ab seinem Grundton
                     auf der tiefsten Saite, die übrigen Töne blass (--text:
                     &apos;.&apos;), zwei Töne pro Saite in den Tonleitern mit fünf
                     und sechs Tönen; caged: der CAGED-Kasten um den Grundton
                     jedes Halses; window: jeder Ton innerhalb des
                     Bundfensters
  --caged FORM       C (Vorgabe), A, G, E oder D: der gezeigte CAGED-Kasten
                     (allein gegeben setzt es --positions caged)
  --positions-only   die Töne außerhalb einer Form stattdessen ausblenden
                     (--text: &apos;-&apos;)
  --no-positions-only  sie blass zeichnen, was auch gespeichert ist
  --chord-tones AKKORD
                     none (Vorgabe), triad oder seventh: die Töne des Akkords
                     auf dem Grundton jedes Halses aus seiner Tonleiter mit
                     einem Ring markieren und ihn im Titel nennen (--text:
                     &apos;*&apos;, und der Titel endet mit dem Akkordnamen)
  --characteristic   die charakteristische Stufe jedes Modus mit einem Ring in
                     eigener Farbe markieren (--text: &apos;!&apos;)
  --no-characteristic  keine charakteristischen Töne, was auch gespeichert ist
  --spelling SCHREIBUNG
                     simple (Vorgabe): der Grundton jedes Titels mit Kreuzen,
                     in einer b-Tonart mit Bs; scale: jeder Ton so, wie die
                     Tonleiter der Tonart ihn schreibt
  --left-handed      die Hälse für Linkshänder spiegeln: die höchste Saite links
  --right-handed     die tiefste Saite links, was auch gespeichert ist

Jede nicht angegebene Option behält ihren gespeicherten Wert; none, major,
standard, simple, --frets 22, --fret-window all, --orientation vertical,
--positions all, --chord-tones none, --right-handed, --no-fret-numbers,
--no-open-strings, --no-positions-only und --no-characteristic stellen die
Vorgaben her.

Rückgabewert: 0 Erfolg, 1 ein Fehler beim Lesen oder Schreiben (der Grund wird
ausgegeben), 2 eine ungültige Befehlszeile.
</translation>
    </message>
</context>
<context>
    <name>ConfFile</name>
    <message>
        <source>its lock file %1 is not a file</source>
        <translation>ihre Sperrdatei %1 ist keine Datei</translation>
    </message>
    <message>
        <source>its lock file cannot be made: %1</source>
        <translation>ihre Sperrdatei kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>another program holds its lock</source>
        <translation>ein anderes Programm hält ihre Sperre</translation>
    </message>
    <message>
        <source>its folder cannot be made</source>
        <translation>ihr Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it is not a regular settings file</source>
        <translation>sie ist keine gewöhnliche Einstellungsdatei</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>kann %1 nicht schreiben: %2</translation>
    </message>
    <message>
        <source>the %1×%2 picture could not be drawn (not enough memory?)</source>
        <translation>das Bild mit %1×%2 Pixeln ließ sich nicht zeichnen (zu wenig Speicher?)</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>das PDF konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>the PDF could not be finished</source>
        <translation>das PDF konnte nicht fertiggestellt werden</translation>
    </message>
    <message>
        <source>bad neck %1: there are %2 necks</source>
        <translation>ungültiger Hals %1: es gibt %2 Hälse</translation>
    </message>
    <message>
        <source>cannot write %1: no General MIDI SoundFont found; install the %2 package or choose one in the Sound settings</source>
        <translation>kann %1 nicht schreiben: keine General-MIDI-SoundFont gefunden; installieren Sie das Paket %2 oder wählen Sie eine in den Klangeinstellungen</translation>
    </message>
    <message>
        <source>cannot export to %1: the file name must end in .png, .svg, .pdf, .mid or .wav</source>
        <translation>kann nicht nach %1 exportieren: der Dateiname muss auf .png, .svg, .pdf, .mid oder .wav enden</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>cannot print the diagrams as text</source>
        <translation>kann die Diagramme nicht als Text ausgeben</translation>
    </message>
    <message>
        <source>cannot export</source>
        <translation>kann nicht exportieren</translation>
    </message>
    <message>
        <source>cannot print</source>
        <translation>kann nicht drucken</translation>
    </message>
    <message>
        <source>cannot start</source>
        <translation>kann nicht starten</translation>
    </message>
    <message>
        <source>cannot use the argument &quot;%1&quot;: it is not valid text in the system&apos;s encoding; rename the file</source>
        <translation>kann das Argument &quot;%1&quot; nicht verwenden: es ist kein gültiger Text in der Zeichenkodierung des Systems; benennen Sie die Datei um</translation>
    </message>
</context>
<context>
    <name>ModeNames</name>
    <message>
        <source>Ionian</source>
        <translation>ionisch</translation>
    </message>
    <message>
        <source>Dorian</source>
        <translation>dorisch</translation>
    </message>
    <message>
        <source>Phrygian</source>
        <translation>phrygisch</translation>
    </message>
    <message>
        <source>Lydian</source>
        <translation>lydisch</translation>
    </message>
    <message>
        <source>Mixolydian</source>
        <translation>mixolydisch</translation>
    </message>
    <message>
        <source>Aeolian</source>
        <translation>äolisch</translation>
    </message>
    <message>
        <source>Locrian</source>
        <translation>lokrisch</translation>
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
        <translation>äol</translation>
    </message>
    <message>
        <source>Loc</source>
        <translation>lok</translation>
    </message>
    <message>
        <source>Harmonic Minor</source>
        <translation>harmonisch Moll</translation>
    </message>
    <message>
        <source>Locrian #6</source>
        <translation>lokrisch #6</translation>
    </message>
    <message>
        <source>Ionian #5</source>
        <translation>ionisch #5</translation>
    </message>
    <message>
        <source>Dorian #4</source>
        <translation>dorisch #4</translation>
    </message>
    <message>
        <source>Phrygian Dominant</source>
        <translation>phrygisch-dominant</translation>
    </message>
    <message>
        <source>Lydian #2</source>
        <translation>lydisch #2</translation>
    </message>
    <message>
        <source>Altered bb7</source>
        <translation>alteriert bb7</translation>
    </message>
    <message>
        <source>Harm. Min.</source>
        <translation>harm. Moll</translation>
    </message>
    <message>
        <source>Loc. #6</source>
        <translation>lokr. #6</translation>
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
        <translation>melodisch Moll</translation>
    </message>
    <message>
        <source>Dorian b2</source>
        <translation>dorisch b2</translation>
    </message>
    <message>
        <source>Lydian #5</source>
        <translation>lydisch #5</translation>
    </message>
    <message>
        <source>Lydian b7</source>
        <translation>lydisch b7</translation>
    </message>
    <message>
        <source>Mixolydian b6</source>
        <translation>mixolydisch b6</translation>
    </message>
    <message>
        <source>Locrian #2</source>
        <translation>lokrisch #2</translation>
    </message>
    <message>
        <source>Altered</source>
        <translation>alteriert</translation>
    </message>
    <message>
        <source>Mel. Min.</source>
        <translation>mel. Moll</translation>
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
        <translation>lokr. #2</translation>
    </message>
    <message>
        <source>Alt.</source>
        <translation>alt.</translation>
    </message>
    <message>
        <source>Harmonic Major</source>
        <translation>harmonisch Dur</translation>
    </message>
    <message>
        <source>Dorian b5</source>
        <translation>dorisch b5</translation>
    </message>
    <message>
        <source>Phrygian b4</source>
        <translation>phrygisch b4</translation>
    </message>
    <message>
        <source>Lydian b3</source>
        <translation>lydisch b3</translation>
    </message>
    <message>
        <source>Mixolydian b2</source>
        <translation>mixolydisch b2</translation>
    </message>
    <message>
        <source>Lydian Augmented #2</source>
        <translation>lydisch übermäßig #2</translation>
    </message>
    <message>
        <source>Locrian bb7</source>
        <translation>lokrisch bb7</translation>
    </message>
    <message>
        <source>Harm. Maj.</source>
        <translation>harm. Dur</translation>
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
        <translation>lyd. überm. #2</translation>
    </message>
    <message>
        <source>Loc. bb7</source>
        <translation>lokr. bb7</translation>
    </message>
    <message>
        <source>Major Pentatonic</source>
        <translation>Dur-Pentatonik</translation>
    </message>
    <message>
        <source>Egyptian</source>
        <translation>ägyptisch</translation>
    </message>
    <message>
        <source>Man Gong</source>
        <translation>Man Gong</translation>
    </message>
    <message>
        <source>Ritusen</source>
        <translation>Ritusen</translation>
    </message>
    <message>
        <source>Minor Pentatonic</source>
        <translation>Moll-Pentatonik</translation>
    </message>
    <message>
        <source>Maj. Pent.</source>
        <translation>Dur-Pent.</translation>
    </message>
    <message>
        <source>Egypt.</source>
        <translation>ägypt.</translation>
    </message>
    <message>
        <source>Min. Pent.</source>
        <translation>Moll-Pent.</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>Blues</translation>
    </message>
    <message>
        <source>Major Blues</source>
        <translation>Dur-Blues</translation>
    </message>
    <message>
        <source>Blues Mode 3</source>
        <translation>Blues-Modus 3</translation>
    </message>
    <message>
        <source>Blues Mode 4</source>
        <translation>Blues-Modus 4</translation>
    </message>
    <message>
        <source>Blues Mode 5</source>
        <translation>Blues-Modus 5</translation>
    </message>
    <message>
        <source>Maj. Blues</source>
        <translation>Dur-Blues</translation>
    </message>
    <message>
        <source>Blues 3</source>
        <translation>Blues 3</translation>
    </message>
    <message>
        <source>Blues 4</source>
        <translation>Blues 4</translation>
    </message>
    <message>
        <source>Blues 5</source>
        <translation>Blues 5</translation>
    </message>
    <message>
        <source>Whole Tone</source>
        <translation>Ganzton</translation>
    </message>
    <message>
        <source>Wh. Tone</source>
        <translation>Ganzt.</translation>
    </message>
    <message>
        <source>Half-Whole Diminished</source>
        <translation>vermindert Halbton-Ganzton</translation>
    </message>
    <message>
        <source>Whole-Half Diminished</source>
        <translation>vermindert Ganzton-Halbton</translation>
    </message>
    <message>
        <source>H-W Dim.</source>
        <translation>verm. HT-GT</translation>
    </message>
    <message>
        <source>W-H Dim.</source>
        <translation>verm. GT-HT</translation>
    </message>
</context>
<context>
    <name>QtMessages</name>
    <message>
        <source>no display could be opened (is DISPLAY or WAYLAND_DISPLAY set?)</source>
        <translation>keine Anzeige ließ sich öffnen (ist DISPLAY oder WAYLAND_DISPLAY gesetzt?)</translation>
    </message>
</context>
<context>
    <name>Replace</name>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is a link in a shared folder and belongs to someone else</source>
        <translation>es ist ein Link in einem gemeinsamen Ordner und gehört jemand anderem</translation>
    </message>
    <message>
        <source>it is a link to a file that does not exist</source>
        <translation>es ist ein Link auf eine Datei, die es nicht gibt</translation>
    </message>
</context>
<context>
    <name>SoundLibraryText</name>
    <message>
        <source>the sound module lib%1.so is missing; reinstall varnel</source>
        <translation>das Klangmodul lib%1.so fehlt; installieren Sie varnel neu</translation>
    </message>
    <message>
        <source>%1 is not a SoundFont that can be read</source>
        <translation>%1 ist keine lesbare SoundFont</translation>
    </message>
</context>
<context>
    <name>Store</name>
    <message>
        <source>Settings could not be saved to &quot;%1&quot;: %2</source>
        <translation>Die Einstellungen konnten nicht in „%1“ gespeichert werden: %2</translation>
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
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Key of A
Key of A</source>
        <translation>Tonart A
Tonart A</translation>
    </message>
    <message>
        <source>Key of B
Key of B</source>
        <translation>Tonart H
Tonart H</translation>
    </message>
    <message>
        <source>Key of C
Key of C</source>
        <translation>Tonart C
Tonart C</translation>
    </message>
    <message>
        <source>Key of D
Key of D</source>
        <translation>Tonart D
Tonart D</translation>
    </message>
    <message>
        <source>Key of E
Key of E</source>
        <translation>Tonart E
Tonart E</translation>
    </message>
    <message>
        <source>Key of F
Key of F</source>
        <translation>Tonart F
Tonart F</translation>
    </message>
    <message>
        <source>Key of G
Key of G</source>
        <translation>Tonart G
Tonart G</translation>
    </message>
    <message>
        <source>Make the key flat
Flat</source>
        <translation>Die Tonart mit einem Be erniedrigen
Be</translation>
    </message>
    <message>
        <source>Make the key natural
Natural</source>
        <translation>Das Vorzeichen der Tonart auflösen
Auflösung</translation>
    </message>
    <message>
        <source>Make the key sharp
Sharp</source>
        <translation>Die Tonart mit einem Kreuz erhöhen
Kreuz</translation>
    </message>
    <message>
        <source>Show the diagrams larger
Zoom In</source>
        <translation>Die Diagramme größer zeigen
Vergrößern</translation>
    </message>
    <message>
        <source>Show the diagrams smaller
Zoom Out</source>
        <translation>Die Diagramme kleiner zeigen
Verkleinern</translation>
    </message>
    <message>
        <source>Show the diagrams at their actual size
Actual Size</source>
        <translation>Die Diagramme in Originalgröße zeigen
Originalgröße</translation>
    </message>
    <message>
        <source>Show all seven diagrams in the window
Fit to Window</source>
        <translation>Alle sieben Diagramme im Fenster zeigen
An Fenster anpassen</translation>
    </message>
    <message>
        <source>Save the diagrams as a PNG, SVG or PDF file
Export</source>
        <translation>Die Diagramme als PNG-, SVG- oder PDF-Datei speichern
Exportieren</translation>
    </message>
    <message>
        <source>Copy the diagrams as a picture
Copy</source>
        <translation>Die Diagramme als Bild kopieren
Kopieren</translation>
    </message>
    <message>
        <source>Mirror the necks for a left-handed player
Left-Handed</source>
        <translation>Die Hälse für Linkshänder spiegeln
Linkshänder</translation>
    </message>
    <message>
        <source>Number the marked frets beside the first neck
Fret Numbers</source>
        <translation>Die markierten Bünde neben dem ersten Hals nummerieren
Bundnummern</translation>
    </message>
    <message>
        <source>Preferences
Preferences</source>
        <translation>Einstellungen
Einstellungen</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Drucker und Druckoptionen ändern
Drucker einrichten</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Das aktive Dokument drucken
Drucken</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Ganze Seiten anzeigen
Druckvorschau</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Über</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Das Programm beenden; fragt nach dem Speichern von Dokumenten
Beenden</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Werkzeugleiste ein- oder ausblenden
Werkzeugleiste ein/aus</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Statusleiste ein- oder ausblenden
Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>Name each diagram&apos;s tonic by its pitch, sharps unless the key is flat, and its other notes from it
Simple Spelling</source>
        <translation>Den Grundton jedes Diagramms nach seiner Tonhöhe benennen, mit Kreuzen außer in b-Tonarten, und die anderen Töne von ihm aus
Einfache Schreibweise</translation>
    </message>
    <message>
        <source>Name every note as the key&apos;s own scale writes it
Scale Spelling</source>
        <translation>Jeden Ton so benennen, wie die Tonleiter der Tonart ihn schreibt
Schreibweise der Tonleiter</translation>
    </message>
    <message>
        <source>Tune 4 to 8 strings to notes of your own
Custom Tuning</source>
        <translation>4 bis 8 Saiten auf eigene Töne stimmen
Eigene Stimmung</translation>
    </message>
    <message>
        <source>Stand the necks side by side, the nut at the top
Vertical</source>
        <translation>Die Hälse nebeneinander stellen, den Sattel oben
Senkrecht</translation>
    </message>
    <message>
        <source>Lay the necks one above the other, the nut on the left and the lowest string at the bottom, as in tablature
Horizontal</source>
        <translation>Die Hälse untereinander legen, den Sattel links und die tiefste Saite unten, wie in der Tabulatur
Waagerecht</translation>
    </message>
    <message>
        <source>Name each open string beside the nut and mark those in the scale
Open Strings</source>
        <translation>Jede leere Saite neben dem Sattel benennen und die in der Tonleiter markieren
Leere Saiten</translation>
    </message>
    <message>
        <source>Show every fret from the nut to the last
Whole Neck</source>
        <translation>Jeden Bund vom Sattel bis zum letzten zeigen
Ganzer Hals</translation>
    </message>
    <message>
        <source>Show only the frets from one to another
Fret Window</source>
        <translation>Nur die Bünde von einem bis zu einem anderen zeigen
Bundbereich</translation>
    </message>
    <message>
        <source>Show every note of the scale alike
All Notes</source>
        <translation>Jeden Ton der Tonleiter gleich zeigen
Alle Töne</translation>
    </message>
    <message>
        <source>Set apart on each neck the shape of three notes per string that starts on its tonic
Three Notes per String</source>
        <translation>Auf jedem Hals die Form mit drei Tönen pro Saite hervorheben, die auf seinem Grundton beginnt
Drei Töne pro Saite</translation>
    </message>
    <message>
        <source>Show every note of the scale inside the fret window
Inside the Fret Window</source>
        <translation>Jeden Ton der Tonleiter innerhalb des Bundfensters zeigen
Innerhalb des Bundfensters</translation>
    </message>
    <message>
        <source>Hide the notes outside each shape instead of drawing them faint
Hide Notes Outside the Shape</source>
        <translation>Die Töne außerhalb jeder Form ausblenden, statt sie blass zu zeichnen
Töne außerhalb der Form ausblenden</translation>
    </message>
    <message>
        <source>Mark no chord on the necks
No Chord Tones</source>
        <translation>Keinen Akkord auf den Hälsen markieren
Keine Akkordtöne</translation>
    </message>
    <message>
        <source>Ring the triad built on each neck&apos;s tonic and name it in the title
Triads</source>
        <translation>Den Dreiklang auf dem Grundton jedes Halses mit Ringen markieren und im Titel nennen
Dreiklänge</translation>
    </message>
    <message>
        <source>Ring the seventh chord built on each neck&apos;s tonic and name it in the title
Seventh Chords</source>
        <translation>Den Septakkord auf dem Grundton jedes Halses mit Ringen markieren und im Titel nennen
Septakkorde</translation>
    </message>
    <message>
        <source>Ring the degree that sets each mode apart from the nearest major or minor scale
Characteristic Notes</source>
        <translation>Die Stufe mit einem Ring markieren, die jeden Modus von der nächsten Dur- oder Molltonleiter unterscheidet
Charakteristische Töne</translation>
    </message>
    <message>
        <source>Set apart on each neck the CAGED box around its tonic
CAGED</source>
        <translation>Auf jedem Hals den CAGED-Kasten um seinen Grundton hervorheben
CAGED</translation>
    </message>
    <message>
        <source>Show the box of the C chord shape
C Shape</source>
        <translation>Den Kasten der C-Griffform zeigen
C-Form</translation>
    </message>
    <message>
        <source>Show the box of the A chord shape
A Shape</source>
        <translation>Den Kasten der A-Griffform zeigen
A-Form</translation>
    </message>
    <message>
        <source>Show the box of the G chord shape
G Shape</source>
        <translation>Den Kasten der G-Griffform zeigen
G-Form</translation>
    </message>
    <message>
        <source>Show the box of the E chord shape
E Shape</source>
        <translation>Den Kasten der E-Griffform zeigen
E-Form</translation>
    </message>
    <message>
        <source>Show the box of the D chord shape
D Shape</source>
        <translation>Den Kasten der D-Griffform zeigen
D-Form</translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>kann nicht in die Standardausgabe schreiben: %1</translation>
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
        <translation>Einen Halbton tiefer</translation>
    </message>
    <message>
        <source>Whole Step Down</source>
        <translation>Einen Ganzton tiefer</translation>
    </message>
    <message>
        <source>7-String Guitar</source>
        <translation>Siebensaitige Gitarre</translation>
    </message>
    <message>
        <source>8-String Guitar</source>
        <translation>Achtsaitige Gitarre</translation>
    </message>
    <message>
        <source>4-String Bass</source>
        <translation>Viersaitiger Bass</translation>
    </message>
    <message>
        <source>5-String Bass</source>
        <translation>Fünfsaitiger Bass</translation>
    </message>
    <message>
        <source>6-String Bass</source>
        <translation>Sechssaitiger Bass</translation>
    </message>
</context>
</TS>
