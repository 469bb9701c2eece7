<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>Card</name>
    <message>
        <source>Bremse 100 % bei 18 km/h bis 0 % (Trimm) bei 38 km/h: Bremse x % = (38 − Fahrt) ÷ 20 × 100; darüber Beschleuniger (Beschl.) x % = (Fahrt − 38) ÷ 12 × 100, voll bei 50 km/h.</source>
        <translation>Brake 100 % at 18 km/h to 0 % (trim) at 38 km/h: brake x % = (38 − airspeed) ÷ 20 × 100; above trim: speed bar % = (airspeed − 38) ÷ 12 × 100, full at 50 km/h.</translation>
    </message>
    <message>
        <source>Bremse 100 % bei %1 km/h bis 0 % (Trimm) bei %2 km/h: Bremse x % = (%2 − Fahrt) ÷ %3 × 100; darüber Beschleuniger (Beschl.) x % = (Fahrt − %2) ÷ %4 × 100, voll bei %5 km/h.</source>
        <translation>Brake 100 % at %1 km/h to 0 % (trim) at %2 km/h: brake x % = (%2 − airspeed) ÷ %3 × 100; above trim: speed bar % = (airspeed − %2) ÷ %4 × 100, full at %5 km/h.</translation>
    </message>
    <message>
        <source>  (Seite %1 von %2)</source>
        <translation>  (page %1 of %2)</translation>
    </message>
    <message>
        <source>Bestes Gleiten über Grund: Bremsstellung je Wind</source>
        <translation>Best glide over the ground: brake setting for each wind</translation>
    </message>
    <message>
        <source>Bestes Gleiten über Grund: %1</source>
        <translation>Best glide over the ground: %1</translation>
    </message>
    <message>
        <source>Jede Zelle: Bremsstellung, darunter Fahrt in km/h und Gleitzahl über Grund (GZ)</source>
        <translation>Each cell: brake setting, below it airspeed in km/h and glide ratio over the ground (GR)</translation>
    </message>
    <message>
        <source>Gilt nur für die Polare von %1 bei dieser Masse und ersetzt keine Flugausbildung.</source>
        <translation>Valid only for the polar of %1; no substitute for flight training.</translation>
    </message>
    <message>
        <source>Bremse 100 %</source>
        <translation>Brake 100 %</translation>
    </message>
    <message>
        <source>Trimm</source>
        <translation>Trim</translation>
    </message>
    <message>
        <source>Beschl. 100 %</source>
        <translation>Bar 100 %</translation>
    </message>
    <message>
        <source>Gestrichelter Rahmen: kein Gleiten über Grund. „steigt x m/s“: der Schirm steigt über Grund; „hält die Höhe“: weniger als 0,05 m/s; „kein Vorankommen“: Grundgeschwindigkeit null oder rückwärts, dort rät die Karte zum vollen Beschleuniger, mit dem der Schirm am wenigsten zurücktreibt.</source>
        <translation>Dashed frame: no glide over the ground. “climbs x m/s”: the glider gains height over the ground; “holds height”: less than 0.05 m/s; “no headway”: ground speed zero or backwards, where the card advises full speed bar: it minimises backward drift.</translation>
    </message>
    <message>
        <source>Zeilen: Wind waagerecht in km/h, − Gegenwind, + Rückenwind. Spalten: Wind senkrecht in m/s, + Aufwind, − Abwind.</source>
        <translation>Rows: horizontal wind in km/h, − headwind, + tailwind. Columns: vertical wind in m/s, + updraft, − downdraft.</translation>
    </message>
    <message>
        <source>Gilt nur für die Polare dieses Programms und ersetzt keine Flugausbildung.</source>
        <translation>Valid only for this program&apos;s polar; no substitute for flight training.</translation>
    </message>
    <message>
        <source>Beschl.</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>Bremse</source>
        <translation>Brake</translation>
    </message>
    <message>
        <source>Beschleuniger %1</source>
        <translation>Speed bar %1</translation>
    </message>
    <message>
        <source>Bremse %1</source>
        <translation>Brake %1</translation>
    </message>
    <message>
        <source>Fahrtentabelle: bestes Gleiten über Grund</source>
        <translation>Speed-to-fly table: best glide over the ground</translation>
    </message>
    <message>
        <source>bei voller Bremse und vollem Beschleuniger</source>
        <translation>at full brake and at full speed bar</translation>
    </message>
    <message>
        <source>bei voller Bremse</source>
        <translation>at full brake</translation>
    </message>
    <message>
        <source>bei vollem Beschleuniger</source>
        <translation>at full speed bar</translation>
    </message>
    <message>
        <source>Die Polare ist %1 über die gemessenen Punkte hinaus hochgerechnet.</source>
        <translation>The polar is extrapolated %1, beyond the measured points.</translation>
    </message>
    <message>
        <source>Geschwindigkeit des besten Gleitens über Grund</source>
        <translation>Airspeed of best glide over the ground</translation>
    </message>
    <message>
        <source>Geschwindigkeit des besten Gleitens über Grund: %1</source>
        <translation>Airspeed of best glide over the ground: %1</translation>
    </message>
    <message>
        <source>Jede Zelle: Fahrt in km/h / Gleitzahl über Grund; wo der Schirm nicht über Grund gleitet,
stattdessen &quot;steigt x m/s&quot; (er steigt über Grund), &quot;hält die Höhe&quot; oder &quot;kein Vorankommen&quot; (Grundgeschwindigkeit 0 oder rückwärts;
dort die Fahrt des vollen Beschleunigers, mit der er am wenigsten zurücktreibt)
Zeilen: Wind horizontal (negativ: Gegenwind), Spalten: Wind vertikal (positiv: Aufwind)
</source>
        <translation>Each cell: airspeed in km/h / glide ratio over the ground; where the glider does not glide over the ground,
instead “climbs x m/s” (it gains height over the ground), “holds height” or “no headway” (ground speed 0 or backwards;
there the airspeed at full speed bar, which minimises backward drift)
Rows: horizontal wind (negative: headwind), columns: vertical wind (positive: updraft)
</translation>
    </message>
    <message>
        <source>kein Vorankommen</source>
        <translation>no headway</translation>
    </message>
    <message>
        <source>erreicht nicht</source>
        <translation>does not reach</translation>
    </message>
    <message>
        <source>Landeplatz %1 km entfernt, %2 m darunter, Sicherheitshöhe %3 m: nötig GZ %4 über Grund</source>
        <translation>Field %1 km away, %2 m below, safety margin %3 m: needs GR %4 over the ground</translation>
    </message>
    <message>
        <source>Jede Zelle: Ankunftshöhe über dem Landeplatz in m bei der Fahrt, die am höchsten ankommt;
&quot;erreicht nicht&quot;: auch sie kommt unter der Sicherheitshöhe an, &quot;kein Vorankommen&quot;: Grundgeschwindigkeit 0 oder rückwärts
Zeilen: Wind horizontal (negativ: Gegenwind), Spalten: Wind vertikal (positiv: Aufwind)
</source>
        <translation>Each cell: arrival height above the field in m at the airspeed that arrives highest;
“does not reach”: even that airspeed arrives below the safety margin, “no headway”: ground speed 0 or backwards
Rows: horizontal wind (negative: headwind), columns: vertical wind (positive: updraft)
</translation>
    </message>
    <message>
        <source>Sollfahrt nach MacCready</source>
        <translation>Speed between thermals (MacCready)</translation>
    </message>
    <message>
        <source>Wind horizontal %1 km/h; der Bart driftet mit dem Wind</source>
        <translation>Horizontal wind %1 km/h; the thermal drifts with the wind</translation>
    </message>
    <message>
        <source>Wind horizontal %1 km/h; der Bart steht über Grund</source>
        <translation>Horizontal wind %1 km/h; the thermal stands over the ground</translation>
    </message>
    <message>
        <source>Jede Zelle: Bremsstellung der Sollfahrt / Schnitt über Grund in km/h (&quot;–&quot;: bestes Gleiten, kein Schnitt)
Zeilen: erwartetes Steigen (MC), Spalten: Wind vertikal auf der Strecke (positiv: Aufwind)
</source>
        <translation>Each cell: brake setting of the speed between thermals / average over the ground in km/h (“–”: best glide, no average)
Rows: expected climb (MC), columns: vertical wind on the glide (positive: updraft)
</translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>kein Vorankommen</source>
        <translation>no headway</translation>
    </message>
    <message>
        <source>GZ %1</source>
        <translation>GR %1</translation>
    </message>
    <message>
        <source>Geschwindigkeitspolare im Wind</source>
        <translation>Speed polar in wind</translation>
    </message>
    <message>
        <source>Gleitzahl in Luft: %1,   Gleitzahl über Grund: %2</source>
        <translation>Glide ratio in the air: %1,   glide ratio over the ground: %2</translation>
    </message>
    <message>
        <source>Gleitwinkel</source>
        <translation>Glide angle</translation>
    </message>
    <message>
        <source>Flugrichtung von der Seite betrachtet</source>
        <translation>Flight path seen from the side</translation>
    </message>
    <message>
        <source>Beschleuniger</source>
        <translation>Speed bar</translation>
    </message>
    <message>
        <source>Bremse</source>
        <translation>Brake</translation>
    </message>
    <message>
        <source>Man verschiebe den schwarzen Balken</source>
        <translation>Drag the black marker</translation>
    </message>
    <message>
        <source>Geschwindigkeit des besten Gleitens</source>
        <translation>Airspeed of best glide</translation>
    </message>
    <message>
        <source>v-Aufwind</source>
        <translation>v-lift/sink</translation>
    </message>
    <message>
        <source>v-Wind</source>
        <translation>v-wind</translation>
    </message>
    <message>
        <source>v-Air = %1 km/h</source>
        <translation>v-air = %1 km/h</translation>
    </message>
    <message>
        <source>v-Vertikal = %1 m/s</source>
        <translation>v-vertical = %1 m/s</translation>
    </message>
    <message>
        <source>steigt %1 m/s</source>
        <translation>climbs %1 m/s</translation>
    </message>
    <message>
        <source>hält die Höhe</source>
        <translation>holds height</translation>
    </message>
    <message>
        <source>%1 km/h Gegenwind</source>
        <translation>%1 km/h headwind</translation>
    </message>
    <message>
        <source>%1 km/h Rückenwind</source>
        <translation>%1 km/h tailwind</translation>
    </message>
    <message>
        <source>%1 m/s Abwind</source>
        <translation>%1 m/s downdraft</translation>
    </message>
    <message>
        <source>%1 m/s Aufwind</source>
        <translation>%1 m/s updraft</translation>
    </message>
    <message>
        <source>Windstille</source>
        <translation>No wind</translation>
    </message>
    <message>
        <source>Eingebaute Polare</source>
        <translation>Built-in polar</translation>
    </message>
    <message>
        <source>nötig GZ %1</source>
        <translation>needs GR %1</translation>
    </message>
    <message>
        <source>Trimm</source>
        <translation>trim</translation>
    </message>
    <message>
        <source>Beschleuniger %1 %</source>
        <translation>speed bar %1 %</translation>
    </message>
    <message>
        <source>Bremse %1 %</source>
        <translation>brake %1 %</translation>
    </message>
    <message>
        <source>Landeplatz %1 km, %2 m</source>
        <translation>Field %1 km, %2 m</translation>
    </message>
    <message>
        <source>Ankunft %1 m – %2 m unter der Sicherheitshöhe</source>
        <translation>arrival %1 m – %2 m below the safety margin</translation>
    </message>
    <message>
        <source>es fehlen %1 m Höhe</source>
        <translation>%1 m of height short</translation>
    </message>
    <message>
        <source>nötig GZ %1 · bestes Gleiten %2 über Grund, %3</source>
        <translation>needs GR %1 · best glide %2 over the ground, %3</translation>
    </message>
    <message>
        <source>%1 bis %2 reichen</source>
        <translation>%1 to %2 reach it</translation>
    </message>
    <message>
        <source>jede Stellung reicht</source>
        <translation>every setting reaches it</translation>
    </message>
    <message>
        <source>Ihre Fahrt %1 km/h</source>
        <translation>Your airspeed %1 km/h</translation>
    </message>
    <message>
        <source>%1: kein Vorankommen</source>
        <translation>%1: no headway</translation>
    </message>
    <message>
        <source>%1: es fehlen %2 m Höhe</source>
        <translation>%1: %2 m of height short</translation>
    </message>
    <message>
        <source>%1: Ankunft %2 m, reicht</source>
        <translation>%1: arrival %2 m, reaches it</translation>
    </message>
    <message>
        <source>%1: Ankunft %2 m, reicht nicht</source>
        <translation>%1: arrival %2 m, does not reach it</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>ab %1, auch mit vollem Beschleuniger</source>
        <translation>from %1, also at full speed bar</translation>
    </message>
    <message>
        <source>bis %1, auch mit voller Bremse</source>
        <translation>up to %1, also at full brake</translation>
    </message>
    <message>
        <source>erreicht – steigt unterwegs, Ankunft höher als der Start; %1</source>
        <translation>reaches it – climbs on the way, arrives higher than the start; %1</translation>
    </message>
    <message>
        <source>erreicht – Ankunft %1 m (%2 m über der Sicherheitshöhe) bei %3 km/h; %4</source>
        <translation>reaches it – arrival %1 m (%2 m above the safety margin) at %3 km/h; %4</translation>
    </message>
    <message>
        <source>Von der Seite: %1 m, %2 km</source>
        <translation>From the side: %1 m, %2 km</translation>
    </message>
    <message>
        <source>Sollfahrt (MacCready)</source>
        <translation>Speed between thermals (MacCready)</translation>
    </message>
    <message>
        <source>Schnitt %1 km/h</source>
        <translation>average %1 km/h</translation>
    </message>
    <message>
        <source>MC %1 m/s</source>
        <translation>MC %1 m/s</translation>
    </message>
    <message>
        <source>%1: keine Tangente – der Gleitflug steigt so schnell wie erwartet; bestes Gleiten %2 km/h</source>
        <translation>%1: no tangent – the glide climbs as fast as expected; best glide %2 km/h</translation>
    </message>
    <message>
        <source>%1: bestes Gleiten über Grund %2 km/h (%3), kein Schnitt</source>
        <translation>%1: best glide over the ground %2 km/h (%3), no average</translation>
    </message>
    <message>
        <source>%1: voller Beschleuniger – schneller geht es nicht: %2 km/h, Schnitt %3 km/h</source>
        <translation>%1: full speed bar – it goes no faster: %2 km/h, average %3 km/h</translation>
    </message>
    <message>
        <source>%1: volle Bremse – langsamer geht es nicht: %2 km/h, Schnitt %3 km/h</source>
        <translation>%1: full brake – it goes no slower: %2 km/h, average %3 km/h</translation>
    </message>
    <message>
        <source>%1: Sollfahrt %2 km/h (%3), Schnitt %4 km/h</source>
        <translation>%1: speed between thermals %2 km/h (%3), average %4 km/h</translation>
    </message>
    <message>
        <source>%1: Schnitt %2 km/h</source>
        <translation>%1: average %2 km/h</translation>
    </message>
    <message>
        <source>%1: Schnitt %2 km/h, %3 %</source>
        <translation>%1: average %2 km/h, %3 %</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>no space left on the device</translation>
    </message>
    <message>
        <source>Speicherkontingent überschritten</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>die Datei wird größer, als erlaubt ist</source>
        <translation>the file would grow larger than allowed</translation>
    </message>
    <message>
        <source>der Empfänger hat die Ausgabe geschlossen</source>
        <translation>the receiving program closed the pipe</translation>
    </message>
    <message>
        <source>die Ausgabe ist geschlossen</source>
        <translation>the output is closed</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>Datei oder Ordner nicht vorhanden</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>ein Teil des Pfades ist kein Ordner</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>das ist ein Ordner</source>
        <translation>that is a folder</translation>
    </message>
    <message>
        <source>das Dateisystem ist schreibgeschützt</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>der Name ist zu lang</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>zu viele symbolische Verknüpfungen</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>das Gerät ist nicht bereit</source>
        <translation>the device is not ready</translation>
    </message>
    <message>
        <source>die Datei ist in Gebrauch</source>
        <translation>the file is in use</translation>
    </message>
    <message>
        <source>das Ziel nimmt diese Daten nicht an</source>
        <translation>the target does not accept this data</translation>
    </message>
    <message>
        <source>Systemfehler %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>die symbolische Verknüpfung gehört einem anderen Benutzer in einem Ordner, in den alle schreiben dürfen; ihr wird nicht gefolgt</source>
        <translation>the symbolic link belongs to another user in a folder everyone may write to; it is not followed</translation>
    </message>
    <message>
        <source>die Datei ist schreibgeschützt</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>ein anderes Programm schreibt gerade in die Datei</source>
        <translation>another program is writing the file</translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message>
        <source>--state: H,V oder H,V,FAHRT erwartet (H -50..50 km/h, V -40..40 Zehntel m/s), nicht &apos;%1&apos;</source>
        <translation>--state: expected H,V or H,V,AIRSPEED (H -50..50 km/h, V -40..40 tenths of m/s), not “%1”</translation>
    </message>
    <message>
        <source>%1: Wert fehlt</source>
        <translation>%1: value missing</translation>
    </message>
    <message>
        <source>--scale: Zahl von 0.5 bis 8 erwartet, nicht &apos;%1&apos;</source>
        <translation>--scale: expected a number from 0.5 to 8, not “%1”</translation>
    </message>
    <message>
        <source>--worksheet: Anzahl der Aufgaben von 1 bis 200 erwartet, nicht &apos;%1&apos;</source>
        <translation>--worksheet: expected a number of tasks from 1 to 200, not “%1”</translation>
    </message>
    <message>
        <source>--seed: ganze Zahl ab 0 erwartet, nicht &apos;%1&apos;</source>
        <translation>--seed: expected a whole number ≥ 0, not “%1”</translation>
    </message>
    <message>
        <source>--state schließt --wind-h, --wind-v und --airspeed aus</source>
        <translation>--state excludes --wind-h, --wind-v and --airspeed</translation>
    </message>
    <message>
        <source>mehrere --state nur in ein PDF (-o DATEI.pdf), eine Seite je Zustand</source>
        <translation>several --state need a PDF (-o FILE.pdf), one page per state</translation>
    </message>
    <message>
        <source>--worksheet schreibt ein PDF: -o DATEI.pdf</source>
        <translation>--worksheet writes a PDF: -o FILE.pdf</translation>
    </message>
    <message>
        <source>--worksheet zieht die Winde selbst: ohne --state, --wind-h, --wind-v und --airspeed</source>
        <translation>--worksheet draws its own winds: without --state, --wind-h, --wind-v and --airspeed</translation>
    </message>
    <message>
        <source>--worksheet legt Größe und Inhalt seiner Diagramme selbst fest: ohne --scale, --size, --no-wind-vectors und --no-airspeed-vectors</source>
        <translation>--worksheet sets the size and content of its diagrams itself: without --scale, --size, --no-wind-vectors and --no-airspeed-vectors</translation>
    </message>
    <message>
        <source>--worksheet zeichnet keinen Vergleich: ohne --compare</source>
        <translation>--worksheet draws no comparison: without --compare</translation>
    </message>
    <message>
        <source>--compare-polar und seine Optionen gelten nur zusammen mit --compare</source>
        <translation>--compare-polar and its options apply only together with --compare</translation>
    </message>
    <message>
        <source>--seed gilt nur zusammen mit --worksheet</source>
        <translation>--seed applies only together with --worksheet</translation>
    </message>
    <message>
        <source>%1: ganze Zahl von %2 bis %3 erwartet, nicht &apos;%4&apos;</source>
        <translation>%1: expected a whole number from %2 to %3, not “%4”</translation>
    </message>
    <message>
        <source>--size: BREITExHÖHE von 200 bis 8000 Pixeln erwartet, nicht &apos;%1&apos;</source>
        <translation>--size: expected WIDTHxHEIGHT from 200 to 8000 pixels, not “%1”</translation>
    </message>
    <message>
        <source>-o: leerer Dateiname</source>
        <translation>-o: empty file name</translation>
    </message>
    <message>
        <source>unbekanntes Argument &apos;%1&apos; (siehe --help)</source>
        <translation>unknown argument “%1” (see --help)</translation>
    </message>
    <message>
        <source>keine Ausgabedatei: -o DATEI.png fehlt</source>
        <translation>no output file: -o FILE.png missing</translation>
    </message>
    <message>
        <source>--airspeed: Zahl von %1 bis %2 erwartet, nicht &apos;%3&apos;</source>
        <translation>--airspeed: expected a number from %1 to %2, not “%3”</translation>
    </message>
    <message>
        <source>--state: Fahrt von %1 bis %2 erwartet, nicht &apos;%3&apos;</source>
        <translation>--state: expected an airspeed from %1 to %2, not “%3”</translation>
    </message>
    <message>
        <source>--compare: Fahrt von %1 bis %2 erwartet, nicht &apos;%3&apos;</source>
        <translation>--compare: expected an airspeed from %1 to %2, not “%3”</translation>
    </message>
    <message>
        <source>--worksheet: für diesen Schirm ergibt kein Wind von -30 bis 30 km/h und -2,0 bis 1,0 m/s eine Aufgabe, deren Tangente die Polare berührt</source>
        <translation>--worksheet: for this glider no wind from -30 to 30 km/h and -2.0 to 1.0 m/s makes a task whose tangent touches the polar</translation>
    </message>
    <message>
        <source>das Bild konnte nicht erzeugt werden</source>
        <translation>the picture could not be made</translation>
    </message>
    <message>
        <source>%1: erwartet VON:BIS:SCHRITT aus ganzen Zahlen, nicht &apos;%2&apos;</source>
        <translation>%1: expected FROM:TO:STEP of whole numbers, not “%2”</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; liegt nicht im Bereich %3..%4</source>
        <translation>%1: “%2” is not in the range %3..%4</translation>
    </message>
    <message>
        <source>%1: der Bereich &apos;%2&apos; ist leer</source>
        <translation>%1: the range “%2” is empty</translation>
    </message>
    <message>
        <source>--paper: a4, a5 oder a6 erwartet, nicht &apos;%1&apos;</source>
        <translation>--paper: expected a4, a5 or a6, not “%1”</translation>
    </message>
    <message>
        <source>%1: VON:BIS:SCHRITT fehlt</source>
        <translation>%1: FROM:TO:STEP missing</translation>
    </message>
    <message>
        <source>--csv und --pdf schließen einander aus</source>
        <translation>--csv and --pdf exclude each other</translation>
    </message>
    <message>
        <source>--paper gilt nur zusammen mit --pdf</source>
        <translation>--paper applies only together with --pdf</translation>
    </message>
    <message>
        <source>die Karte konnte nicht erzeugt werden</source>
        <translation>the card could not be made</translation>
    </message>
    <message>
        <source>Argument %1 ist kein gültiger Text in der Zeichenkodierung des Systems</source>
        <translation>argument %1 is not valid text in the system&apos;s character encoding</translation>
    </message>
    <message>
        <source>%1: Dezimalpunkt statt Komma: „%2“</source>
        <translation>%1: use a decimal point, not a comma: “%2”</translation>
    </message>
    <message>
        <source>%1: „%2“ ist keine Zahl</source>
        <translation>%1: “%2” is not a number</translation>
    </message>
    <message>
        <source>die Ausgabe kann nicht geschrieben werden: %1</source>
        <translation>the output cannot be written: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>“%1” cannot be written: %2</translation>
    </message>
    <message>
        <source>azodo: keine grafische Anzeige erreichbar; das Programm braucht einen Bildschirm (DISPLAY oder WAYLAND_DISPLAY)
</source>
        <translation>azodo: no graphical display reachable; the program needs a screen (DISPLAY or WAYLAND_DISPLAY)
</translation>
    </message>
    <message>
        <source>--seed: eine ganze Zahl ab 0 erwartet</source>
        <translation>--seed: expected a whole number ≥ 0</translation>
    </message>
    <message>
        <source>Die gespeicherte Polare gilt nicht mehr und ist vergessen; das Programm zeigt die eingebaute Polare.
%1</source>
        <translation>The remembered polar is no longer valid and has been forgotten; the program shows the built-in polar.
%1</translation>
    </message>
    <message>
        <source>Polare laden</source>
        <translation>Load polar</translation>
    </message>
    <message>
        <source>%1: MIN:TRIMM:MAX in km/h erwartet, nicht &apos;%2&apos;</source>
        <translation>%1: expected MIN:TRIM:MAX in km/h, not “%2”</translation>
    </message>
    <message>
        <source>%1: „%2“ km/h liegt nicht zwischen 10 und 120 km/h</source>
        <translation>%1: “%2” km/h is not between 10 and 120 km/h</translation>
    </message>
    <message>
        <source>%1: Masse in kg von 30 bis 300 erwartet, nicht &apos;%2&apos;</source>
        <translation>%1: expected a mass in kg from 30 to 300, not “%2”</translation>
    </message>
    <message>
        <source>%1speeds, %1mass, %1ref-mass und %1name gelten nur zusammen mit %1polar</source>
        <translation>%1speeds, %1mass, %1ref-mass and %1name apply only together with %1polar</translation>
    </message>
    <message>
        <source>  --polar DATEI           die Polare des eigenen Schirms: die Dreipunktzeile der
                          Fluginstrumente (Masse, Ballast, v1, w1, v2, w2, v3, w3)
                          oder eine Tabelle airspeed_kmh,sink_ms (mindestens 3 Zeilen)
  --speeds MIN:TRIMM:MAX  volle Bremse, Trimm, voller Beschleuniger in km/h bei der
                          Bezugsmasse (Vorgabe der Dreipunktzeile: v1:v2:v3)
  --mass KG               Startmasse; Fahrten und Sinken wachsen mit der Wurzel
  --ref-mass KG           Bezugsmasse einer Tabelle
  --name TEXT             Name des Schirms (Vorgabe: der Dateiname)
</source>
        <translation>  --polar FILE            the polar of your own glider: the three-point line of
                          flight instruments (mass, ballast, v1, w1, v2, w2, v3, w3)
                          or a table airspeed_kmh,sink_ms (at least 3 lines)
  --speeds MIN:TRIM:MAX   full brake, trim, full speed bar in km/h at the
                          reference mass (default of the three-point line: v1:v2:v3)
  --mass KG               take-off mass; airspeeds and sink grow with its square root
  --ref-mass KG           reference mass of a table
  --name TEXT             name of the glider (default: the file name)
</translation>
    </message>
    <message>
        <source>--fit und --fixed schließen einander aus</source>
        <translation>--fit and --fixed exclude each other</translation>
    </message>
    <message>
        <source>--worksheet rückt jede Aufgabe selbst ins Bild: ohne --fit und --fixed</source>
        <translation>--worksheet shifts each task into the picture itself: without --fit and --fixed</translation>
    </message>
    <message>
        <source>--scale %1 ist zu groß für %2x%3 Pixel: höchstens %4; ein größeres Bild mit --size, etwa --size %5x%6</source>
        <translation>--scale %1 is too large for %2x%3 pixels: at most %4; a larger picture with --size, such as --size %5x%6</translation>
    </message>
    <message>
        <source>--reach: die Höhe %1 m liegt nicht über der Sicherheitshöhe %2 m</source>
        <translation>--reach: the height %1 m is not above the safety margin %2 m</translation>
    </message>
    <message>
        <source>--reach: KM,M oder KM,M,SICHERHEITSHÖHE erwartet (Entfernung 0.5..30 km, Höhe 50..3000 m, Sicherheitshöhe 0..500 m), nicht &apos;%1&apos;</source>
        <translation>--reach: expected KM,M or KM,M,MARGIN (distance 0.5..30 km, height 50..3000 m, safety margin 0..500 m), not “%1”</translation>
    </message>
    <message>
        <source>--reach gilt nur für die Tabelle und --csv, nicht für --pdf</source>
        <translation>--reach applies to the table and --csv only, not to --pdf</translation>
    </message>
    <message>
        <source>--worksheet stellt seine Aufgaben selbst: ohne --reach</source>
        <translation>--worksheet sets its own tasks: without --reach</translation>
    </message>
    <message>
        <source>--topic gilt nur zusammen mit --worksheet</source>
        <translation>--topic applies only together with --worksheet</translation>
    </message>
    <message>
        <source>Aufruf: azodo [--polar DATEI [--speeds MIN:TRIMM:MAX] [--mass KG]
              [--ref-mass KG] [--name TEXT]]
              [--seed N]
       azodo --help | --version
Var Azodoviravovorididaz: die Geschwindigkeitspolare eines Gleitschirms im Wind,
bestes Gleiten über Grund, mit einer geführten Tour in 25 Schritten.
Mit --polar zeigt es die Polare des eigenen Schirms; die Optionen sind die von
azodo-table (siehe azodo-table --help). F5 stellt eine Übung; --seed N wiederholt
dieselbe Folge von Winden. F6 wechselt die Lektion: bestes Gleiten oder
Landeplatz erreichen.
</source>
        <translation>Usage: azodo [--polar FILE [--speeds MIN:TRIM:MAX] [--mass KG]
              [--ref-mass KG] [--name TEXT]]
              [--seed N]
       azodo --help | --version
Var Azodoviravovorididaz: the speed polar of a paraglider in wind,
best glide over the ground, with a guided tour in 25 steps.
With --polar it shows the polar of your own glider; the options are those of
azodo-table (see azodo-table --help). F5 sets an exercise; --seed N repeats
the same sequence of winds. F6 changes the lesson: best glide or
reach a field.
</translation>
    </message>
    <message>
        <source>--mc: ein Wert in m/s, kein Bereich: &apos;%1&apos;</source>
        <translation>--mc: one value in m/s, not a range: “%1”</translation>
    </message>
    <message>
        <source>--mc: Steigen in m/s von 0.0 bis 5.0 erwartet, nicht &apos;%1&apos;</source>
        <translation>--mc: expected a climb in m/s from 0.0 to 5.0, not “%1”</translation>
    </message>
    <message>
        <source>--drift gilt nur zusammen mit --mc</source>
        <translation>--drift applies only together with --mc</translation>
    </message>
    <message>
        <source>--mc und --reach schließen einander aus</source>
        <translation>--mc and --reach exclude each other</translation>
    </message>
    <message>
        <source>--worksheet stellt seine Aufgaben selbst: ohne --mc</source>
        <translation>--worksheet sets its own tasks: without --mc</translation>
    </message>
    <message>
        <source>--mc: VON:BIS:SCHRITT in m/s von 0.0 bis 5.0 auf ein Zehntel erwartet, nicht &apos;%1&apos;</source>
        <translation>--mc: expected FROM:TO:STEP in m/s from 0.0 to 5.0 to a tenth, not “%1”</translation>
    </message>
    <message>
        <source>--mc gilt für einen Wind: --wind-h N, kein Bereich</source>
        <translation>--mc holds for one wind: --wind-h N, not a range</translation>
    </message>
    <message>
        <source>--mc gilt nur für die Tabelle und --csv, ohne --reach und --pdf</source>
        <translation>--mc applies to the table and --csv only, without --reach and --pdf</translation>
    </message>
    <message>
        <source>Aufruf: azodo-table [--csv | --pdf DATEI [--paper a4|a5|a6]]
                    [--polar DATEI [--speeds MIN:TRIMM:MAX] [--mass KG]
                    [--ref-mass KG] [--name TEXT]]
                    [--wind-h VON:BIS:SCHRITT] [--wind-v VON:BIS:SCHRITT]
                    [--reach KM,M[,SICHERHEITSHÖHE] | --mc VON:BIS:SCHRITT [--drift]]
Druckt die Fahrt des besten Gleitens über Grund und die Gleitzahl über Grund.
  --wind-h  Wind horizontal in km/h, -50..50 (negativ: Gegenwind); Vorgabe -50:50:10
  --wind-v  Wind vertikal in Zehntel m/s, -40..40 (positiv: Aufwind); Vorgabe -40:40:10
  --csv     wind_h,wind_v,airspeed,glide_ratio,brake_percent,accelerator_percent,
            ground_speed_kmh,ground_vertical_ms,advice_airspeed_kmh mit
            Dezimalpunkt; die letzte ist die Fahrt, zu der die Karte rät
  --pdf     eine Karte zum Ausdrucken: Bremse, Trimm oder Beschleuniger je Wind
            (-: auf die Standardausgabe)
  --paper   Papierformat der Karte, hochkant: a4, a5 (Vorgabe) oder a6
  --mc      Sollfahrt nach MacCready für erwartetes Steigen in m/s (etwa
            0:3:0.5 oder ein Wert) bei einem Wind --wind-h N (Vorgabe 0): je
            Steigen und Wind vertikal Bremsstellung und Schnitt; mit --csv
            mc,wind_h,wind_v,airspeed,brake_percent,accelerator_percent,
            average_kmh. --drift: der Bart driftet mit dem Wind
  --reach   ein Landeplatz KM entfernt, M Meter tiefer, mit Sicherheitshöhe
            in m (Vorgabe 0): je Wind die Ankunftshöhe bei der Fahrt, die am
            höchsten ankommt; mit --csv die Spalten arrival_m und reaches
  --help    diese Hilfe
  --version die Version
Der eigene Schirm statt der eingebauten Polare:
%1</source>
        <translation>Usage: azodo-table [--csv | --pdf FILE [--paper a4|a5|a6]]
                    [--polar FILE [--speeds MIN:TRIM:MAX] [--mass KG]
                    [--ref-mass KG] [--name TEXT]]
                    [--wind-h FROM:TO:STEP] [--wind-v FROM:TO:STEP]
                    [--reach KM,M[,MARGIN] | --mc FROM:TO:STEP [--drift]]
Prints the airspeed of best glide over the ground and the glide ratio over the ground.
  --wind-h  horizontal wind in km/h, -50..50 (negative: headwind); default -50:50:10
  --wind-v  vertical wind in tenths of m/s, -40..40 (positive: updraft); default -40:40:10
  --csv     wind_h,wind_v,airspeed,glide_ratio,brake_percent,accelerator_percent,
            ground_speed_kmh,ground_vertical_ms,advice_airspeed_kmh with a
            decimal point; the last is the airspeed the card advises
  --pdf     a card to print: brake, trim or speed bar for each wind
            (-: to standard output)
  --paper   paper size of the card, portrait: a4, a5 (default) or a6
  --mc      speed between thermals (MacCready) for expected climbs in m/s
            (such as 0:3:0.5, or one value) at one wind --wind-h N (default 0):
            for each climb and vertical wind the brake setting and the average;
            with --csv mc,wind_h,wind_v,airspeed,brake_percent,
            accelerator_percent,average_kmh. --drift: the thermal drifts
  --reach   a field KM away and M metres below, with a safety margin in m
            (default 0): for each wind the arrival height at the airspeed that
            arrives highest; with --csv the columns arrival_m and reaches
  --help    this help
  --version the version
Your own glider instead of the built-in polar:
%1</translation>
    </message>
    <message>
        <source>--topic: glide, reach oder mc erwartet, nicht &apos;%1&apos;</source>
        <translation>--topic: expected glide, reach or mc, not “%1”</translation>
    </message>
    <message>
        <source>Aufruf: azodo-render [Optionen] -o DATEI.png|DATEI.svg|DATEI.pdf
Zeichnet das Diagramm für einen Zustand und schreibt es als PNG, als SVG oder als
PDF (A4 quer), je nach der Endung der Datei.
  --wind-h N              Wind horizontal in km/h, -50..50 (negativ: Gegenwind)
  --wind-v N              Wind vertikal in Zehntel m/s, -40..40 (positiv: Aufwind)
  --airspeed V            Bremsen frei verstellbar, Fahrt V km/h (18..50, mit
                          --polar von MIN bis MAX);
                          ohne: Geschwindigkeit des besten Gleitens
  --no-wind-vectors       ohne Wind-Vektoren
  --no-airspeed-vectors   ohne Airspeed-Vektoren
  --fit                   das Bild so verschoben, dass der Zustand ganz zu
                          sehen ist (Polare, Ursprung, Berührpunkt, Bremsskala);
                          --state-Seiten tun das von selbst
  --fixed                 der feste Ausschnitt des Fensters, auch für --state
  --size BxH              Größe des ganzen Bildes in Pixeln, die Zeile der
                          Gleitzahlen eingeschlossen (Vorgabe 1600x1026; für
                          PDF das Seitenverhältnis, Vorgabe 1100x726)
  -o DATEI                Ausgabedatei; -o - schreibt ein PNG auf die Standardausgabe
%1  --scale F               Schriften und Linien F-mal so groß (0.5..8), etwa für
                          einen Projektor mit --size 3840x2160; das Bild muss
                          je F mindestens 800x500 Pixel haben
  --state H,V[,FAHRT]     ein Zustand (Einheiten wie --wind-h, --wind-v,
                          --airspeed); mehrmals: eine PDF-Seite je Zustand
  --worksheet N           ein Arbeitsblatt (PDF, A4 hoch) mit N Aufgaben zu
                          zufälligen Winden, danach die Lösungen (1..200)
  --seed S                dieselben Winde für dasselbe S
  --mc MC                 Sollfahrt nach MacCready für ein erwartetes Steigen
                          MC in m/s (0.0..5.0, mit Dezimalpunkt; anders als
                          --wind-v nicht in Zehnteln): Tangente, Schnitt und
                          die Antwort in der Zeile der Gleitzahlen
  --drift                 mit --mc: der Bart driftet mit dem Wind
  --topic glide|reach|mc  was das Arbeitsblatt fragt: bestes Gleiten
                          (Vorgabe), ob ein Landeplatz erreicht wird, oder
                          Sollfahrt und Schnitt nach MacCready
  --reach KM,M[,SH]       ein Landeplatz KM entfernt, M Meter tiefer, mit
                          Sicherheitshöhe SH in m (Vorgabe 0): die nötige
                          Gleitzahl, die Fahrten, die ihn erreichen, und die
                          Antwort in der Zeile der Gleitzahlen
  --compare H,V[,FAHRT]   ein Zustand zum Vergleich, grau unter dem Bild, mit
                          Legende (Einheiten wie --state), auf jeder Seite
  --compare-polar DATEI   sein eigener Schirm (sonst der des Bildes); dazu
                          --compare-speeds, --compare-mass, --compare-ref-mass
                          und --compare-name wie die Optionen des Schirms
  --help, --version       diese Hilfe, die Version
</source>
        <translation>Usage: azodo-render [options] -o FILE.png|FILE.svg|FILE.pdf
Draws the diagram for one state and writes it as PNG, as SVG or as
PDF (A4 landscape), by the file&apos;s extension.
  --wind-h N              horizontal wind in km/h, -50..50 (negative: headwind)
  --wind-v N              vertical wind in tenths of m/s, -40..40 (positive: updraft)
  --airspeed V            brakes set by hand, airspeed V km/h (18..50, with
                          --polar from MIN to MAX);
                          without: the airspeed of best glide
  --no-wind-vectors       without wind vectors
  --no-airspeed-vectors   without airspeed vectors
  --fit                   the picture shifted to show the state whole (polar,
                          origin, touch point, brake scale); --state pages
                          do so by themselves
  --fixed                 the window&apos;s fixed frame, for --state too
  --size WxH              size of the whole picture in pixels, the line of
                          glide ratios included (default 1600x1026; for
                          PDF the proportions, default 1100x726)
  -o FILE                 output file; -o - writes a PNG to standard output
%1  --scale F               fonts and lines F times as large (0.5..8), say for
                          a projector with --size 3840x2160; the picture needs
                          at least 800x500 pixels per F
  --state H,V[,AIRSPEED]  one state (units as --wind-h, --wind-v,
                          --airspeed); several: one PDF page per state
  --worksheet N           a worksheet (PDF, A4 portrait) with N tasks for
                          random winds, then the solutions (1..200)
  --seed S                the same winds for the same S
  --mc MC                 speed between thermals (MacCready) for an expected
                          climb MC in m/s (0.0..5.0, with a decimal point;
                          unlike --wind-v not in tenths): tangent, average and
                          the answer in the line of glide ratios
  --drift                 with --mc: the thermal drifts with the wind
  --topic glide|reach|mc  what the worksheet asks: best glide (default),
                          whether a field is reached, or the speed between
                          thermals and the average (MacCready)
  --reach KM,M[,SM]       a field KM away and M metres below, with a safety
                          margin SM in m (default 0): the glide ratio it needs,
                          the airspeeds that reach it, and the answer in the
                          line of glide ratios
  --compare H,V[,AIRSPEED] a state for comparison, grey under the picture, with
                          a legend (units as --state), on every page
  --compare-polar FILE    the compared state flies this glider (default: the
                          picture&apos;s); --compare-speeds, --compare-mass,
                          --compare-ref-mass and --compare-name set it up
                          like --speeds, --mass, --ref-mass and --name
  --help, --version       this help, the version
</translation>
    </message>
</context>
<context>
    <name>Tour</name>
    <message>
        <source>&gt;&gt; Weiter</source>
        <translation>&gt;&gt; Next</translation>
    </message>
    <message>
        <source>Tour beenden</source>
        <translation>End tour</translation>
    </message>
    <message>
        <source>Willkommen zur Windrechner Einführungs- und Erklärungstour<byte value="xd"/>Mit dem &apos;Weiter&apos;-Button klickt man sich durch die Tour</source>
        <translation>Welcome to the guided tour<byte value="xd"/>Click “Next” to go through the tour step by step</translation>
    </message>
    <message>
        <source>Dieses Programm soll den Einfluß des Windes, sowohl horizontal als auch vertikal, auf die Gleitzahl bzw. den Gleitwinkel über Grund veranschaulichen.<byte value="xd"/>Vor allem die optimale Bremsstellung für &apos;bestes Gleiten&apos; bei verschiedenen Windeinflüssen sollte für den Piloten ersichtlich werden.</source>
        <translation>This program shows how wind, both horizontal and vertical, changes your glide ratio and glide angle over the ground.<byte value="xd"/>Above all, it shows which brake setting gives you “best glide” in different winds.</translation>
    </message>
    <message>
        <source>Dargestellt ist im Diagramm das Koordinatensystem der Grundgeschwindigkeiten.</source>
        <translation>The diagram shows the coordinate system of ground speeds.</translation>
    </message>
    <message>
        <source>Bei Nullwind entspricht es gleichzeitig dem Koordinatensystem der Luftgeschwindigkeiten.</source>
        <translation>With no wind, it is also the coordinate system of airspeeds.</translation>
    </message>
    <message>
        <source>Zwischen horizontaler (Vorwärtsfahrt) und vertikaler (Sinkgeschwindigkeit) Geschwindigkeit gegenüber der Luft besteht bei jedem Flächenluftfahrzeug ein fester Zusammenhang, der über die sogenannte Geschwindigkeitspolare dargestellt wird.</source>
        <translation>For every wing, airspeed and sink rate are linked. This link is drawn as the speed polar.</translation>
    </message>
    <message>
        <source>Die Polare umfaßt den gesamten erfliegbaren Geschwindigkeitsbereich des Gleitschirms.<byte value="xd"/>Auf welchem Punkt der Polare sich der Schirm gerade befindet, steuert der Pilot über die Bremsstellung.</source>
        <translation>The polar covers the whole speed range your paraglider can fly.<byte value="xd"/>Where on the polar your wing flies right now is what you choose with the brakes.</translation>
    </message>
    <message>
        <source>Interessant wird es, wenn der Windeinfluß hinzukommt:<byte value="xd"/>Die Windgeschwindigkeiten (horiziontal und vertikal) werden zu den Luftgeschwindigkeiten des Schirms addiert. Bei Gegenwind (negatives Vorzeichen) oder Aufwind subtrahiert sich die Windgeschwindigkeit von der zugehörigen Luftgeschwindigkeit.</source>
        <translation>It gets interesting once the wind comes in:<byte value="xd"/>The wind speeds (horizontal and vertical) are added to the wing&apos;s airspeeds: a headwind (negative sign) is subtracted from your airspeed, an updraft from your sink rate.</translation>
    </message>
    <message>
        <source>Hierdurch verschiebt sich jeder einzelne Zustandspunkt der Polare mit dem Wind gegen das Grundgeschwindigkeits-Koordinatensystem.<byte value="xd"/>Im Ergebnis verschiebt sich somit die gesamte Polare mit dem Wind, während der Ursprung des Grundgeschwindigkeitsvektors (grün) fix bleibt.</source>
        <translation>So every single point of the polar moves with the wind relative to the ground-speed coordinate system.<byte value="xd"/>In the end the whole polar moves with the wind, while the origin of the ground-speed vector (green) stays where it is.</translation>
    </message>
    <message>
        <source>Der Grundgeschwindigkeitsvektor (grün) ergibt sich aus der Vektoraddition der Windgeschwindigkeiten (blau) und der Luftgeschwindigkeiten des Schirms (rot).<byte value="xd"/>Man könnte auch sagen, das Koordinatensystem und damit der Ursprung der Luftgeschwindigkeiten werden um die Beträge der Windgeschwindigkeiten gegen das Koordinatensystem der Grundgeschwindigkeiten (schwarz) verschoben.</source>
        <translation>The ground-speed vector (green) is the sum of the wind vectors (blue) and the wing&apos;s airspeed vectors (red).<byte value="xd"/>Put another way: the coordinate system of airspeeds, and with it its origin, is shifted by the wind relative to the coordinate system of ground speeds (black).</translation>
    </message>
    <message>
        <source>Aber nun zum &apos;Besten Gleiten&apos;:</source>
        <translation>Now for “best glide”:</translation>
    </message>
    <message>
        <source>Die Geschwindigkeit des besten Gleitens über Grund (und die dazugehörige optimale Bremsstellung) erhält man durch Anlegen eines tangentialen Grundgeschwindigkeitsvektors (grün) an die Polare.</source>
        <translation>You find the speed of best glide over the ground (and the brake setting that goes with it) by drawing the ground-speed vector (green) from the origin as a tangent to the polar.</translation>
    </message>
    <message>
        <source>Zeichnet man weitere mögliche - von der Bremsstellung abhängige - Vektoren ein, so erkennt man, daß in allen Fällen der Gleitwinkel größer und somit schlechter wird.</source>
        <translation>Draw in other vectors for other brake settings, and you see that the glide angle always gets steeper, so the glide gets worse.</translation>
    </message>
    <message>
        <source>Das eigentliche Ziel dieses Programms ist es, nun aufzuzeigen, wie sich der Punkt des besten Gleitens und damit die optimale Bremsstellung unter Windeinfluß verändern:</source>
        <translation>What this program really sets out to show is how the point of best glide, and with it the best brake setting, changes with the wind:</translation>
    </message>
    <message>
        <source>Lassen wir die Bremsstellung zuerst einmal fest und nehmen einen Gegenwind von 25km/h an:<byte value="xd"/>Man erkennt, daß nun der für die Gleitzahl und den Gleitwinkel entscheidende Grundgeschwindigekitsvektor (grün) nicht mehr tangential an der Polare anliegt, sondern diese schneidet.</source>
        <translation>First keep the brake setting as it is and take a headwind of 25 km/h:<byte value="xd"/>You see that the ground-speed vector (green), which decides your glide ratio and glide angle, no longer touches the polar but cuts through it.</translation>
    </message>
    <message>
        <source>Dies bedeutet, daß der Pilot sein Gleiten über Grund durch eine Anpassung der Bremsstellung verbessern kann. Man erkennt direkt aus dem Diagramm, daß ein Lösen der Bremsen (ab einer bestimmten Windgeschwindigkeit sogar ein Beschleunigen) den Gleitwinkel flacher und damit die Gleitzahl besser werden läßt.</source>
        <translation>This means you can glide further over the ground by changing your brake setting. The diagram shows straight away that letting off the brakes (and, from a certain wind speed on, even using the speed bar) makes the glide angle flatter and the glide ratio better.</translation>
    </message>
    <message>
        <source>Wir erhöhen also die Luftgeschwindigkeit soweit, bis der Grundgeschwindigkeitsvektor wieder tangential an der Polare anliegt.<byte value="xd"/>Ein weiteres Beschleunigen hätte wiederum eine Verschlechterung des Gleitwinkels zur Folge.</source>
        <translation>So we raise the airspeed until the ground-speed vector touches the polar again.<byte value="xd"/>Speeding up even more would make the glide angle worse again.</translation>
    </message>
    <message>
        <source>Umgekehrt verhält es sich bei Rückenwind.</source>
        <translation>With a tailwind it is the other way round.</translation>
    </message>
    <message>
        <source>Hier kann geringfügig mehr angebremst werden. Stellt man sich extreme Windgeschwindigkeiten vor, welche die Polare allerdings aus dem Diagramm schieben würden, so nähert sich die optimale Bremsstellung maximal bis an den Punkt des geringsten Sinkens (also dem Maximum der Polare) an.</source>
        <translation>Here you can brake slightly more. In an extreme wind, which would push the polar out of the diagram, the best brake setting approaches, but never passes, minimum sink (the top of the polar).</translation>
    </message>
    <message>
        <source>Das Verhalten in diesem Fall oder den Einfluß von Auf- und Abwinden findet man aber am besten durch Experimentieren mit den Wind-Scrollbars und dem Balken für die Bremstellung heraus.</source>
        <translation>How this works, and what updrafts and downdrafts do, is best found out by playing with the wind scroll bars and the brake marker.</translation>
    </message>
    <message>
        <source>Bei Abwind verhält es sich ähnlich, wie bei Gegenwind:</source>
        <translation>A downdraft works much like a headwind:</translation>
    </message>
    <message>
        <source>Auch hier kann durch geringeres Anbremsen eine Verbesserung des Gleitens erzielt werden.</source>
        <translation>Here too you glide better with less brake.</translation>
    </message>
    <message>
        <source>Es muß abschließend gesagt werden, daß die optimale Bremsstellung für bestes Gleiten nur in ganz bestimmten Fällen des Streckenfluges relevant ist:</source>
        <translation>Finally: the best brake setting for best glide only matters in certain situations on cross-country flights:</translation>
    </message>
    <message>
        <source>Immer dann, wenn aus bestimmten Ausgangshöhen möglichst weite Strecken zurückzulegen sind, etwa bei Talquerungen oder Endanflügen auf Zielpunkte wird das beste Gleiten über Grund entscheidend.<byte value="xd"/>Aber auch in kritischen Situationen, wie etwa starke Talwinde bei der Landung oder der Versatz ins Lee beim Soaren machen unter Umständen ein Wissen um diese Zusammenhänge unabdingbar.</source>
        <translation>Whenever you need to cover as much distance as possible from a given height, such as crossing a valley or on final glide to a goal, best glide over the ground is what counts.<byte value="xd"/>But in critical moments too, such as a strong valley wind when landing or being blown into the lee while soaring, knowing this can make all the difference.</translation>
    </message>
    <message>
        <source>Befindet man sich hingegen in Aufwind, so läßt sich zwar für diese Fälle mit diesem Programm das beste Gleiten darstellen, es handelt sich dabei gewissermaßen um das steilste Steigen.<byte value="xd"/>Flugtaktisch muß dies allerdings nicht zwingend dei beste Lösung sein, vielmehr wird man hier eher noch stärker zurückbremsen, um möglichst lange im Aufwind verbleiben zu können.</source>
        <translation>In an updraft, the program can still show best glide, but it really stands for the steepest climb.<byte value="xd"/>Tactically this need not be the best choice: you would rather brake even more, to stay in the updraft as long as possible.</translation>
    </message>
    <message>
        <source>Tip zur Verwendung des Programms:<byte value="xd"/>Es ist manchmal sinnvoll, die Vektoren für Wind- und/oder Luftgeschwindigkeit abzuschalten um das Diagramm übersichtlicher zu halten.</source>
        <translation>A tip for using the program:<byte value="xd"/>Sometimes it helps to switch off the wind and/or airspeed vectors to keep the diagram clear.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Wind-Vektoren</source>
        <translation>Wind vectors</translation>
    </message>
    <message>
        <source>Airspeed-Vektoren</source>
        <translation>Airspeed vectors</translation>
    </message>
    <message>
        <source>Bremsen frei verstellbar</source>
        <translation>Brakes set by hand</translation>
    </message>
    <message>
        <source>Tour</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>&gt;&gt; Weiter</source>
        <translation>&gt;&gt; Next</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Freeware</translation>
    </message>
    <message>
        <source>Programm und Idee: das Azodo-Team, 2026</source>
        <translation>Program and idea: the Azodo team, 2026</translation>
    </message>
    <message>
        <source>Aufwind</source>
        <translation>Updraft</translation>
    </message>
    <message>
        <source>Abwind</source>
        <translation>Downdraft</translation>
    </message>
    <message>
        <source>Gegenwind</source>
        <translation>Headwind</translation>
    </message>
    <message>
        <source>Rückenwind</source>
        <translation>Tailwind</translation>
    </message>
    <message>
        <source>Weitergabe ausdrücklich erwünscht</source>
        <translation>Please pass it on</translation>
    </message>
    <message>
        <source>Ohne Gewähr: ersetzt keine Flugausbildung</source>
        <translation>No warranty: no substitute for flight training</translation>
    </message>
    <message>
        <source>Für Schulung und Selbststudium</source>
        <translation>For training and self-study</translation>
    </message>
    <message>
        <source>Diagramm der Grundgeschwindigkeiten</source>
        <translation>Diagram of ground speeds</translation>
    </message>
    <message>
        <source>Waagerecht die Geschwindigkeit über Grund in km/h, senkrecht die Vertikalgeschwindigkeit in m/s. Zeigt die Polare im Wind, die Vektoren und den Bremsbalken.</source>
        <translation>Across, the speed over the ground in km/h; up, the vertical speed in m/s. Shows the polar in the wind, the vectors and the brake marker.</translation>
    </message>
    <message>
        <source>Vertikaler Wind</source>
        <translation>Vertical wind</translation>
    </message>
    <message>
        <source>Oben Aufwind, unten Abwind, bis 4 m/s</source>
        <translation>Up for updraft, down for downdraft, up to 4 m/s</translation>
    </message>
    <message>
        <source>Horizontaler Wind</source>
        <translation>Horizontal wind</translation>
    </message>
    <message>
        <source>Links Gegenwind, rechts Rückenwind, bis 50 km/h</source>
        <translation>Left for headwind, right for tailwind, up to 50 km/h</translation>
    </message>
    <message>
        <source>Zeigt die Windvektoren im Diagramm</source>
        <translation>Shows the wind vectors in the diagram</translation>
    </message>
    <message>
        <source>Zeigt die Vektoren der Luftgeschwindigkeit im Diagramm</source>
        <translation>Shows the airspeed vectors in the diagram</translation>
    </message>
    <message>
        <source>Gedrückt: der schwarze Bremsbalken lässt sich mit der Maus verschieben. Sonst stellt das Programm die Bremse auf bestes Gleiten.</source>
        <translation>Pressed: the black brake marker can be dragged with the mouse. Otherwise the program sets the brake for best glide.</translation>
    </message>
    <message>
        <source>Startet die geführte Tour in 25 Schritten</source>
        <translation>Starts the guided tour in 25 steps</translation>
    </message>
    <message>
        <source>Beendet das Programm sofort</source>
        <translation>Quits the program at once</translation>
    </message>
    <message>
        <source>Nächster Schritt der Tour</source>
        <translation>Next step of the tour</translation>
    </message>
    <message>
        <source>Hinweise zur Weitergabe</source>
        <translation>Notes on passing it on</translation>
    </message>
    <message>
        <source>Text der Tour</source>
        <translation>Text of the tour</translation>
    </message>
    <message>
        <source>Gleitzahlen in der Luft und über Grund</source>
        <translation>Glide ratios in the air and over the ground</translation>
    </message>
    <message>
        <source>Urheber</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>Beschriftung der Windleiste</source>
        <translation>Label of the wind bar</translation>
    </message>
    <message>
        <source>Vertikaler Wind </source>
        <translation>Vertical wind </translation>
    </message>
    <message>
        <source>Horizontaler Wind </source>
        <translation>Horizontal wind </translation>
    </message>
    <message>
        <source>Diagramm speichern</source>
        <translation>Save diagram</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>SVG-Grafik (*.svg)</source>
        <translation>SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>PDF-Dokument (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Diagramm kopieren	Strg+C</source>
        <translation>Copy diagram	Ctrl+C</translation>
    </message>
    <message>
        <source>Diagramm speichern …	Strg+S</source>
        <translation>Save diagram …	Ctrl+S</translation>
    </message>
    <message>
        <source>Polare laden …</source>
        <translation>Load polar …</translation>
    </message>
    <message>
        <source>Eingebaute Polare</source>
        <translation>Built-in polar</translation>
    </message>
    <message>
        <source>Übung: neuer Wind	F5</source>
        <translation>Exercise: new wind	F5</translation>
    </message>
    <message>
        <source>Übung: auflösen	Eingabe</source>
        <translation>Exercise: solve	Enter</translation>
    </message>
    <message>
        <source>Vergleich festhalten</source>
        <translation>Hold for comparison</translation>
    </message>
    <message>
        <source>Vergleich löschen</source>
        <translation>Clear comparison</translation>
    </message>
    <message>
        <source>polare.png</source>
        <translation>polar.png</translation>
    </message>
    <message>
        <source>Das Diagramm konnte nicht gespeichert werden.
%1
%2</source>
        <translation>The diagram could not be saved.
%1
%2</translation>
    </message>
    <message>
        <source>das Bild konnte nicht erzeugt werden</source>
        <translation>the picture could not be made</translation>
    </message>
    <message>
        <source>Übung</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <source>Für diesen Schirm ergibt kein Wind von -30 bis 30 km/h und -2,0 bis 1,0 m/s eine Aufgabe, deren Tangente im Diagramm liegt.</source>
        <translation>For this glider no wind from -30 to 30 km/h and -2.0 to 1.0 m/s makes a task whose tangent lies in the diagram.</translation>
    </message>
    <message>
        <source>kein Vorank.</source>
        <translation>no headw.</translation>
    </message>
    <message>
        <source>Übung %1: %2 – Balken auf bestes Gleiten, dann Eingabetaste</source>
        <translation>Exercise %1: %2 – set the marker for best glide, then press Enter</translation>
    </message>
    <message>
        <source>richtig</source>
        <translation>right</translation>
    </message>
    <message>
        <source>%1 km/h zu schnell</source>
        <translation>%1 km/h too fast</translation>
    </message>
    <message>
        <source>%1 km/h zu langsam</source>
        <translation>%1 km/h too slow</translation>
    </message>
    <message>
        <source>Ihre Wahl %1 km/h, %2 · Bestes Gleiten %3 km/h, %4 · %5 · %6 % · Schnitt %7 % (%8 von %9)</source>
        <translation>Your choice %1 km/h, %2 · Best glide %3 km/h, %4 · %5 · %6 % · Average %7 % (%8 of %9)</translation>
    </message>
    <message>
        <source>Wahl %1 km/h, %2 · Bestes %3 km/h, %4 · %5 · %6 % · Schnitt %7 % (%8 von %9)</source>
        <translation>Choice %1 km/h, %2 · Best %3 km/h, %4 · %5 · %6 % · Average %7 % (%8 of %9)</translation>
    </message>
    <message>
        <source>Wahl %1 km/h, %2 · Bestes %3 km/h, %4 · %5 · %6 % · Ø %7 % (%8/%9)</source>
        <translation>Choice %1 km/h, %2 · Best %3 km/h, %4 · %5 · %6 % · Ø %7 % (%8/%9)</translation>
    </message>
    <message>
        <source>Polare laden</source>
        <translation>Load polar</translation>
    </message>
    <message>
        <source>Polaren (*.plr *.csv *.txt);;Alle Dateien (*)</source>
        <translation>Polars (*.plr *.csv *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Polare aus „%1“. Fahrten bei der Bezugsmasse; die Startmasse skaliert sie.</source>
        <translation>Polar from “%1”. Airspeeds at the reference mass; the take-off weight scales them.</translation>
    </message>
    <message>
        <source>Bezugsmasse der Messung</source>
        <translation>Reference mass of the measurement</translation>
    </message>
    <message>
        <source>Startmasse</source>
        <translation>Take-off weight</translation>
    </message>
    <message>
        <source>volle Bremse</source>
        <translation>Speed at full brake</translation>
    </message>
    <message>
        <source>Trimm</source>
        <translation>Trim speed</translation>
    </message>
    <message>
        <source>voller Beschleuniger</source>
        <translation>Top speed</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Trotzdem laden</source>
        <translation>Load anyway</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Die Polare kann nicht für den nächsten Start gespeichert werden: %1 lässt sich nicht schreiben.</source>
        <translation>The polar cannot be kept for the next start: %1 cannot be written.</translation>
    </message>
    <message>
        <source>%1 ist beschädigt; die gespeicherten Einstellungen sind verworfen.</source>
        <translation>%1 is damaged; the stored settings have been discarded.</translation>
    </message>
    <message>
        <source>In %1 fehlt der Eintrag „polar“.</source>
        <translation>%1 has no entry “polar”.</translation>
    </message>
    <message>
        <source>In %1 ist „%2=%3“ keine Zahl.</source>
        <translation>In %1, “%2=%3” is not a number.</translation>
    </message>
    <message>
        <source>Die in %1 gespeicherte Polare: %2</source>
        <translation>The polar stored in %1: %2</translation>
    </message>
    <message>
        <source>Lektion: Bestes Gleiten</source>
        <translation>Lesson: Best glide</translation>
    </message>
    <message>
        <source>Lektion: Landeplatz erreichen</source>
        <translation>Lesson: Reach a field</translation>
    </message>
    <message>
        <source>Landeplatz</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Sicherheitshöhe</source>
        <translation>Safety margin</translation>
    </message>
    <message>
        <source>Landeplatz erreichen</source>
        <translation>Reach a field</translation>
    </message>
    <message>
        <source>Der Landeplatz kann nicht für den nächsten Start gespeichert werden: %1 lässt sich nicht schreiben.</source>
        <translation>The field cannot be kept for the next start: %1 cannot be written.</translation>
    </message>
    <message>
        <source>In %1 liegt der Landeplatz außerhalb der Grenzen.</source>
        <translation>In %1, the field lies outside its limits.</translation>
    </message>
    <message>
        <source>Erst J oder N: Reicht es? Dann die Eingabetaste.</source>
        <translation>First Y or N: does it reach? Then Enter.</translation>
    </message>
    <message>
        <source>Aufgabe %1: %2 m über dem Landeplatz, %3 km entfernt, %4, Sicherheitshöhe %5 m</source>
        <translation>Task %1: %2 m above the field, %3 km away, %4, safety margin %5 m</translation>
    </message>
    <message>
        <source>Reicht es? J oder N, dann Balken auf die Fahrt, die am höchsten ankommt, und Eingabetaste</source>
        <translation>Does it reach? Y or N, then set the marker to the airspeed that arrives highest and press Enter</translation>
    </message>
    <message>
        <source>Ihre Antwort: ja – nun Balken auf die Fahrt, die am höchsten ankommt, und Eingabetaste</source>
        <translation>Your answer: yes – now set the marker to the airspeed that arrives highest and press Enter</translation>
    </message>
    <message>
        <source>Ihre Antwort: nein – nun Balken auf die Fahrt, die am höchsten ankommt, und Eingabetaste</source>
        <translation>Your answer: no – now set the marker to the airspeed that arrives highest and press Enter</translation>
    </message>
    <message>
        <source>%1: es reicht – Ankunft %2 m bei %3 km/h</source>
        <translation>%1: it reaches – arrival %2 m at %3 km/h</translation>
    </message>
    <message>
        <source>%1: es reicht nicht – Ankunft %2 m bei %3 km/h</source>
        <translation>%1: it does not reach – arrival %2 m at %3 km/h</translation>
    </message>
    <message>
        <source>Richtig</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Falsch</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>Ihre Fahrt %1 km/h, %2 · %3 % · Schnitt %4 % (%5 von %6)</source>
        <translation>Your airspeed %1 km/h, %2 · %3 % · average %4 % (%5 of %6)</translation>
    </message>
    <message>
        <source>Lektion: Sollfahrt (MacCready)</source>
        <translation>Lesson: MacCready</translation>
    </message>
    <message>
        <source>Erwartetes Steigen</source>
        <translation>Expected climb</translation>
    </message>
    <message>
        <source>Bart driftet mit dem Wind</source>
        <translation>Thermal drifts with the wind</translation>
    </message>
    <message>
        <source>Sollfahrt (MacCready)</source>
        <translation>Speed between thermals (MacCready)</translation>
    </message>
    <message>
        <source>Das erwartete Steigen kann nicht für den nächsten Start gespeichert werden: %1 lässt sich nicht schreiben.</source>
        <translation>The expected climb cannot be kept for the next start: %1 cannot be written.</translation>
    </message>
    <message>
        <source>Aufgabe %1: %2, %3</source>
        <translation>Task %1: %2, %3</translation>
    </message>
    <message>
        <source>Balken auf die Sollfahrt, dann Eingabetaste</source>
        <translation>Set the marker to the speed between thermals, then press Enter</translation>
    </message>
    <message>
        <source>%1: Sollfahrt %2 km/h (%3), Schnitt %4 km/h</source>
        <translation>%1: speed between thermals %2 km/h (%3), average %4 km/h</translation>
    </message>
    <message>
        <source>Ihre Fahrt %1 km/h, %2 · Schnitt %3 km/h · %4 % · Mittel %5 % (%6 von %7)</source>
        <translation>Your airspeed %1 km/h, %2 · average %3 km/h · %4 % · mean %5 % (%6 of %7)</translation>
    </message>
    <message>
        <source>In %1 liegt das erwartete Steigen außerhalb der Grenzen.</source>
        <translation>In %1, the expected climb lies outside its limits.</translation>
    </message>
    <message>
        <source>In %1 ist „%2=%3“ weder true noch false.</source>
        <translation>In %1, “%2=%3” is neither true nor false.</translation>
    </message>
</context>
<context>
    <name>Wing</name>
    <message>
        <source>die Datei kann nicht gelesen werden</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>die Datei kann nicht gelesen werden (Ein-/Ausgabefehler)</source>
        <translation>the file cannot be read (input/output error)</translation>
    </message>
    <message>
        <source>die Datei ist größer als 1 MB</source>
        <translation>the file is larger than 1 MB</translation>
    </message>
    <message>
        <source>keine Polare in der Datei</source>
        <translation>no polar in the file</translation>
    </message>
    <message>
        <source>Feld %2: „%1“ ist keine Zahl</source>
        <translation>field %2: “%1” is not a number</translation>
    </message>
    <message>
        <source>„%1“ ist keine Zahl</source>
        <translation>“%1” is not a number</translation>
    </message>
    <message>
        <source>Feld %2: „%1“ ist keine endliche Zahl</source>
        <translation>field %2: “%1” is not a finite number</translation>
    </message>
    <message>
        <source>„%1“ ist keine endliche Zahl</source>
        <translation>“%1” is not a finite number</translation>
    </message>
    <message>
        <source>erwartet die Dreipunktzeile (Masse, Ballast, v1, w1, v2, w2, v3, w3) oder die Kopfzeile einer Tabelle, airspeed_kmh,sink_ms</source>
        <translation>expected the three-point line (mass, ballast, v1, w1, v2, w2, v3, w3) or the header of a table, airspeed_kmh,sink_ms</translation>
    </message>
    <message>
        <source>die Felder sind durch Semikolons getrennt; erwartet sind Kommas</source>
        <translation>the fields are separated by semicolons; commas are expected</translation>
    </message>
    <message>
        <source>die Felder sind durch Tabulatoren getrennt; erwartet sind Kommas</source>
        <translation>the fields are separated by tabs; commas are expected</translation>
    </message>
    <message>
        <source>die Felder sind durch Leerzeichen getrennt; erwartet sind Kommas</source>
        <translation>the fields are separated by spaces; commas are expected</translation>
    </message>
    <message>
        <source>Dezimalpunkt statt Komma: „%1“</source>
        <translation>use a decimal point, not a comma: “%1”</translation>
    </message>
    <message>
        <source>erwartet zwei Felder wie in airspeed_kmh,sink_ms, nicht %1</source>
        <translation>expected two fields as in airspeed_kmh,sink_ms, not %1</translation>
    </message>
    <message>
        <source>die Masse „%1“ kg liegt nicht zwischen 30 und 300 kg</source>
        <translation>the mass “%1” kg is not between 30 and 300 kg</translation>
    </message>
    <message>
        <source>die Fahrt „%1“ km/h liegt nicht zwischen 10 und 120 km/h</source>
        <translation>the airspeed “%1” km/h is not between 10 and 120 km/h</translation>
    </message>
    <message>
        <source>die Fahrten steigen nicht („%1“, dann „%2“ km/h)</source>
        <translation>the airspeeds do not increase (“%1”, then “%2” km/h)</translation>
    </message>
    <message>
        <source>das Sinken „%1“ m/s ist nicht negativ</source>
        <translation>the sink “%1” m/s is not negative</translation>
    </message>
    <message>
        <source>das Sinken „%1“ m/s ist tiefer als 10 m/s; kein Gleitschirm sinkt so</source>
        <translation>the sink “%1” m/s is greater than 10 m/s; no paraglider sinks like that</translation>
    </message>
    <message>
        <source>das Sinken „%1“ m/s ist geringer als 0,3 m/s; ein Gleitschirm sinkt mindestens 0,3 m/s</source>
        <translation>the sink “%1” m/s is less than 0.3 m/s; a paraglider sinks at least 0.3 m/s</translation>
    </message>
    <message>
        <source>der mittlere Punkt (%3 km/h, %4 m/s) liegt nicht über der Geraden zwischen (%1 km/h, %2 m/s) und (%5 km/h, %6 m/s); eine Polare ist nach unten gewölbt</source>
        <translation>the middle point (%3 km/h, %4 m/s) does not lie above the straight line between (%1 km/h, %2 m/s) and (%5 km/h, %6 m/s); a polar curves downward</translation>
    </message>
    <message>
        <source>der Punkt (%1 km/h, %2 m/s) passt nicht zu den anderen; mit ihm ist die Kurve nach oben gewölbt, eine Polare ist nach unten gewölbt</source>
        <translation>the point (%1 km/h, %2 m/s) does not fit the others; with it the curve bends upward, a polar curves downward</translation>
    </message>
    <message>
        <source>die Punkte ergeben eine nach oben gewölbte Kurve; eine Polare ist nach unten gewölbt</source>
        <translation>the points make a curve that bends upward; a polar curves downward</translation>
    </message>
    <message>
        <source>eine Tabelle von Punkten braucht die Fahrten MIN:TRIMM:MAX</source>
        <translation>a table of points needs the airspeeds MIN:TRIM:MAX</translation>
    </message>
    <message>
        <source>die Fahrten liegen nicht zwischen 10 und 120 km/h</source>
        <translation>the airspeeds are not between 10 and 120 km/h</translation>
    </message>
    <message>
        <source>die Fahrten %1, %2, %3 km/h erfüllen nicht MIN &lt; TRIMM &lt; MAX</source>
        <translation>the airspeeds %1, %2, %3 km/h do not meet MIN &lt; TRIM &lt; MAX</translation>
    </message>
    <message>
        <source>--ref-mass gilt nur für eine Tabelle; die Dreipunktzeile nennt ihre Bezugsmasse im ersten Feld</source>
        <translation>--ref-mass applies only to a table; the three-point line gives its reference mass in its first field</translation>
    </message>
    <message>
        <source>für eine Tabelle braucht die Masse auch die Bezugsmasse (--ref-mass)</source>
        <translation>for a table the mass needs the reference mass too (--ref-mass)</translation>
    </message>
    <message>
        <source>die Masse %1 kg liegt nicht zwischen 30 und 300 kg</source>
        <translation>the mass %1 kg is not between 30 and 300 kg</translation>
    </message>
    <message>
        <source>bei %1 kg reichen die Fahrten von %2 bis %3 km/h; das Diagramm zeigt 10 bis 60 km/h</source>
        <translation>at %1 kg the airspeeds run from %2 to %3 km/h; the diagram shows 10 to 60 km/h</translation>
    </message>
    <message>
        <source>die Fahrten reichen von %1 bis %2 km/h; das Diagramm zeigt 10 bis 60 km/h</source>
        <translation>the airspeeds run from %1 to %2 km/h; the diagram shows 10 to 60 km/h</translation>
    </message>
    <message>
        <source>bei %1 km/h sinkt der Schirm %2 m/s; das Diagramm zeigt höchstens 3,4 m/s</source>
        <translation>at %1 km/h the glider sinks %2 m/s; the diagram shows at most 3.4 m/s</translation>
    </message>
    <message>
        <source>bei %1 km/h sinkt die angepasste Kurve nicht; ein Gleitschirm sinkt von MIN bis MAX überall mindestens 0,3 m/s</source>
        <translation>at %1 km/h the fitted curve does not sink; a paraglider sinks at least 0.3 m/s everywhere from MIN to MAX</translation>
    </message>
    <message>
        <source>bei %1 km/h sinkt der Schirm nur %2 m/s; ein Gleitschirm sinkt von MIN bis MAX überall mindestens 0,3 m/s</source>
        <translation>at %1 km/h the glider sinks only %2 m/s; a paraglider sinks at least 0.3 m/s everywhere from MIN to MAX</translation>
    </message>
    <message>
        <source>der Name enthält ein Steuerzeichen (%1)</source>
        <translation>the name contains a control character (%1)</translation>
    </message>
    <message>
        <source>der Name ist länger als 60 Zeichen</source>
        <translation>the name is longer than 60 characters</translation>
    </message>
    <message>
        <source>die Kurve ist nach oben gewölbt; eine Polare ist nach unten gewölbt</source>
        <translation>the curve bends upward; a polar curves downward</translation>
    </message>
    <message>
        <source>MIN %1 km/h liegt mehr als 3 km/h unter dem langsamsten Punkt (%2 km/h); die Polare ist dort hochgerechnet</source>
        <translation>MIN %1 km/h lies more than 3 km/h below the slowest point (%2 km/h); the polar is extrapolated there</translation>
    </message>
    <message>
        <source>MAX %1 km/h liegt mehr als 3 km/h über dem schnellsten Punkt (%2 km/h); die Polare ist dort hochgerechnet</source>
        <translation>MAX %1 km/h lies more than 3 km/h above the fastest point (%2 km/h); the polar is extrapolated there</translation>
    </message>
    <message>
        <source>TRIMM %1 km/h liegt mehr als 3 km/h unter der Fahrt des geringsten Sinkens (%2 km/h)</source>
        <translation>trim speed %1 km/h is more than 3 km/h below the airspeed of minimum sink (%2 km/h)</translation>
    </message>
    <message>
        <source>Hinweis: %1: %2</source>
        <translation>Note: %1: %2</translation>
    </message>
    <message>
        <source>%1, Zeilen %2 bis %3: %4</source>
        <translation>%1, lines %2 to %3: %4</translation>
    </message>
    <message>
        <source>%1, Zeile %2: %3</source>
        <translation>%1, line %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>zu wenige Punkte (%n), mindestens 3</source>
        <translation>
            <numerusform>only %n point; at least 3 are needed</numerusform>
            <numerusform>only %n points; at least 3 are needed</numerusform>
        </translation>
    </message>
    <message>
        <source>die Datei kann nicht gelesen werden (es gibt sie nicht)</source>
        <translation>the file cannot be read (it does not exist)</translation>
    </message>
    <message>
        <source>die Datei kann nicht gelesen werden (keine Leserechte)</source>
        <translation>the file cannot be read (no permission to read it)</translation>
    </message>
    <message>
        <source>die Datei kann nicht gelesen werden (ein Ordner)</source>
        <translation>the file cannot be read (it is a folder)</translation>
    </message>
    <message>
        <source>die Datei kann nicht gelesen werden (eine FIFO)</source>
        <translation>the file cannot be read (it is a FIFO)</translation>
    </message>
    <message>
        <source>die Datei kann nicht gelesen werden (ein Socket)</source>
        <translation>the file cannot be read (it is a socket)</translation>
    </message>
    <message>
        <source>die Datei kann nicht gelesen werden (ein Gerät)</source>
        <translation>the file cannot be read (it is a device)</translation>
    </message>
    <message>
        <source>die Datei ist in UTF-16 geschrieben; erwartet ist UTF-8 oder ASCII</source>
        <translation>the file is written in UTF-16; UTF-8 or ASCII is expected</translation>
    </message>
    <message>
        <source>die Datei enthält Nullbytes und ist keine Textdatei</source>
        <translation>the file contains zero bytes and is not a text file</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Aufgabe %1: %2. Legen Sie die Tangente an.</source>
        <translation>Task %1: %2. Draw the tangent.</translation>
    </message>
    <message>
        <source>Fahrt: ____________ km/h     Bremsstellung: ____________     Gleitzahl über Grund: ____________</source>
        <translation>Airspeed: ____________ km/h     Brake setting: ____________     Glide ratio over the ground: ____________</translation>
    </message>
    <message>
        <source>Aufgabe %1: %2.</source>
        <translation>Task %1: %2.</translation>
    </message>
    <message>
        <source>Arbeitsblatt: bestes Gleiten über Grund</source>
        <translation>Worksheet: best glide over the ground</translation>
    </message>
    <message>
        <source>Lösungen</source>
        <translation>Solutions</translation>
    </message>
    <message>
        <source>Lösungen, Seite %1 von %2</source>
        <translation>Solutions, page %1 of %2</translation>
    </message>
    <message>
        <source>Aufgaben, Seite %1 von %2</source>
        <translation>Tasks, page %1 of %2</translation>
    </message>
    <message>
        <source>Name: ______________________________     Datum: ______________     Kurs: ______________</source>
        <translation>Name: ______________________________     Date: ______________     Course: ______________</translation>
    </message>
    <message>
        <source>So geht es: 1. Legen Sie vom Ursprung die Tangente an die verschobene Polare. 2. Lesen Sie die Fahrt des Berührpunkts auf der Bremsskala ab. 3. Gleitzahl über Grund = Grundgeschwindigkeit ÷ Sinken über Grund (beide am Berührpunkt, km/h durch 3,6 in m/s).</source>
        <translation>Method: 1. Draw the tangent from the origin to the shifted polar. 2. Read the airspeed of the touch point on the brake scale. 3. Glide ratio over the ground = ground speed ÷ sink over the ground (both at the touch point; km/h divided by 3.6 gives m/s).</translation>
    </message>
    <message>
        <source>Die Gleitzahl über Grund ist hier empfindlich: ein kleiner Ablesefehler ändert sie stark.</source>
        <translation>The glide ratio over the ground is sensitive here: a small error in reading changes it a lot.</translation>
    </message>
    <message>
        <source>Fahrt %1 km/h (± 1 km/h) · %2 (± %3 %) · Gleitzahl über Grund %4 (± %5)</source>
        <translation>Airspeed %1 km/h (± 1 km/h) · %2 (± %3 %) · glide ratio over the ground %4 (± %5)</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>Fahrt (± 1 km/h)</source>
        <translation>Airspeed (± 1 km/h)</translation>
    </message>
    <message>
        <source>Bremsstellung</source>
        <translation>Brake setting</translation>
    </message>
    <message>
        <source>Gleitzahl über Grund</source>
        <translation>Glide ratio over the ground</translation>
    </message>
    <message>
        <source>%1 (± %2 %)</source>
        <translation>%1 (± %2 %)</translation>
    </message>
    <message>
        <source>reicht</source>
        <translation>reaches</translation>
    </message>
    <message>
        <source>reicht nicht</source>
        <translation>does not reach</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Aufgabe %1: Sie sind %2 m über dem Landeplatz, %3 km entfernt, %4. Reicht es mit %5 m Sicherheitshöhe? Mit welcher Fahrt kommen Sie am höchsten an?</source>
        <translation>Task %1: You are %2 m above the field, %3 km away, %4. Do you reach it with a %5 m safety margin? At what airspeed do you arrive highest?</translation>
    </message>
    <message>
        <source>Nötige GZ: ________   GZ über Grund: ________   Reicht es? ja / nein   Fahrt: ________ km/h   Ankunft: ________ m</source>
        <translation>GR needed: ________   GR over the ground: ________   Reached? yes / no   Airspeed: ________ km/h   Arrival: ________ m</translation>
    </message>
    <message>
        <source>Nötig GZ %1 · über Grund GZ %2 (± %3) · %4 · Ankunft %5 m (± %6 m) bei %7 km/h (± 1 km/h)</source>
        <translation>Needs GR %1 · over the ground GR %2 (± %3) · %4 · arrival %5 m (± %6 m) at %7 km/h (± 1 km/h)</translation>
    </message>
    <message>
        <source>Mit der Sicherheitshöhe reichen: %1</source>
        <translation>Reach it with the safety margin: %1</translation>
    </message>
    <message>
        <source>Reicht es?</source>
        <translation>Reached?</translation>
    </message>
    <message>
        <source>Ankunft</source>
        <translation>Arrival</translation>
    </message>
    <message>
        <source>%1 (nötig GZ %2, GZ %3)</source>
        <translation>%1 (needs GR %2, GR %3)</translation>
    </message>
    <message>
        <source>%1 m (± %2 m)</source>
        <translation>%1 m (± %2 m)</translation>
    </message>
    <message>
        <source>Arbeitsblatt: Landeplatz erreichen</source>
        <translation>Worksheet: reach a field</translation>
    </message>
    <message>
        <source>So geht es: 1. Nötige Gleitzahl = Entfernung ÷ (Höhe − Sicherheitshöhe). 2. Die Tangente vom Ursprung an die verschobene Polare gibt die Gleitzahl über Grund und die Fahrt, die am höchsten ankommt. 3. Es reicht, wo sie mindestens die nötige ist; Ankunft = Höhe − Entfernung ÷ Gleitzahl über Grund.</source>
        <translation>Method: 1. Glide ratio needed = distance ÷ (height − safety margin). 2. The tangent from the origin to the shifted polar gives the glide ratio over the ground and the airspeed that arrives highest. 3. You reach the field where that ratio is at least the one needed; arrival = height − distance ÷ glide ratio over the ground.</translation>
    </message>
    <message>
        <source>Aufgabe %1: Erwartetes Steigen %2 m/s, %3 auf der Strecke: Sollfahrt und Schnitt?</source>
        <translation>Task %1: Expected climb %2 m/s, %3 on the glide: speed between thermals and average?</translation>
    </message>
    <message>
        <source>Sollfahrt: ________ km/h   Bremsstellung: ________   Schnitt: ________ km/h</source>
        <translation>Speed between thermals: ________ km/h   Brake setting: ________   Average: ________ km/h</translation>
    </message>
    <message>
        <source>Sollfahrt %1 km/h (± 1 km/h) · %2 · Schnitt %3 km/h (± %4)</source>
        <translation>Speed between thermals %1 km/h (± 1 km/h) · %2 · average %3 km/h (± %4)</translation>
    </message>
    <message>
        <source>Sollfahrt (± 1 km/h)</source>
        <translation>Speed between thermals (± 1 km/h)</translation>
    </message>
    <message>
        <source>Schnitt</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>MC %1 m/s, %2</source>
        <translation>MC %1 m/s, %2</translation>
    </message>
    <message>
        <source>%1 km/h (± %2)</source>
        <translation>%1 km/h (± %2)</translation>
    </message>
    <message>
        <source>Arbeitsblatt: Sollfahrt (MacCready)</source>
        <translation>Worksheet: MacCready</translation>
    </message>
    <message>
        <source>So geht es: 1. Legen Sie vom erwarteten Steigen auf der senkrechten Achse die Tangente an die verschobene Polare. 2. Der Berührpunkt gibt die Sollfahrt, auf der Bremsskala die Bremsstellung. 3. Wo die Tangente die Geschwindigkeitsachse schneidet, liegt der Schnitt über Grund.</source>
        <translation>Method: 1. Draw the tangent from the expected climb on the vertical axis to the shifted polar. 2. The touch point gives the speed between thermals, the brake scale its setting. 3. Where the tangent crosses the speed axis lies the average speed over the ground.</translation>
    </message>
</context>
</TS>
