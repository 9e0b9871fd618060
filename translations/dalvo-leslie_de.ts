<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>QObject</name>
    <message>
        <source>Dalvo-Leslie Matrix</source>
        <translation>Dalvo-Leslie Matrix</translation>
    </message>
</context>
<context>
    <name>dalvo::ChartDescription</name>
    <message>
        <source>time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Age distribution</source>
        <translation>Altersverteilung</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Proportion</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Age structure</source>
        <translation>Altersstruktur</translation>
    </message>
    <message>
        <source>Total population size</source>
        <translation>Gesamtgröße der Population</translation>
    </message>
    <message>
        <source>Growth rate</source>
        <translation>Zuwachsrate</translation>
    </message>
    <message>
        <source>λ = %1 on average: the rate cycles with period %2 and never settles</source>
        <translation>λ = %1 im Mittel: Die Rate schwankt mit der Periode %2 und pendelt sich nie ein</translation>
    </message>
    <message>
        <source>Change rate dN(t)</source>
        <translation>Änderung dN(t)</translation>
    </message>
    <message>
        <source>age  0</source>
        <translation>Alter  0</translation>
    </message>
    <message>
        <source>age  1</source>
        <translation>Alter  1</translation>
    </message>
    <message>
        <source>age  2</source>
        <translation>Alter  2</translation>
    </message>
    <message>
        <source>age  3</source>
        <translation>Alter  3</translation>
    </message>
    <message>
        <source>column 1</source>
        <translation>Spalte 1</translation>
    </message>
    <message>
        <source>column 3</source>
        <translation>Spalte 3</translation>
    </message>
    <message>
        <source>column 5</source>
        <translation>Spalte 5</translation>
    </message>
    <message>
        <source>column 7</source>
        <translation>Spalte 7</translation>
    </message>
    <message>
        <source>Time step t</source>
        <translation>Zeitschritt t</translation>
    </message>
    <message>
        <source>Total population</source>
        <translation>Gesamtpopulation</translation>
    </message>
    <message>
        <source>Distance from the stable distribution</source>
        <translation>Abstand von der stabilen Verteilung</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Predicted by the damping ratio</source>
        <translation>Vorhersage aus dem Dämpfungsverhältnis</translation>
    </message>
    <message>
        <source>Total population with chance</source>
        <translation>Gesamtpopulation mit Zufall</translation>
    </message>
    <message>
        <source>90 % band</source>
        <translation>90-%-Band</translation>
    </message>
    <message>
        <source>50 % band</source>
        <translation>50-%-Band</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Läufe</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Projektion</translation>
    </message>
    <message>
        <source>Risk of falling below the threshold</source>
        <translation>Risiko, unter die Schwelle zu fallen</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Wahrscheinlichkeit</translation>
    </message>
    <message>
        <source>95 % band</source>
        <translation>95-%-Band</translation>
    </message>
    <message>
        <source>Simulated</source>
        <translation>Simuliert</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Exakt</translation>
    </message>
</context>
<context>
    <name>dalvo::Error</name>
    <message>
        <source>The number in row %1, column %2 of the matrix is too large for the program to use. Enter a smaller number and press &quot;Go Back&quot; again.</source>
        <translation>Die Zahl in Zeile %1, Spalte %2 der Matrix ist zu groß für das Programm. Geben Sie eine kleinere Zahl ein und drücken Sie erneut „Zurück“.</translation>
    </message>
    <message>
        <source>The initial number of age class %1 is too large for the program to use. Enter a smaller number and press &quot;Go Back&quot; again.</source>
        <translation>Der Anfangsbestand der Altersklasse %1 ist zu groß für das Programm. Geben Sie eine kleinere Zahl ein und drücken Sie erneut „Zurück“.</translation>
    </message>
    <message>
        <source>The initial numbers add up to more than the program can hold. Enter smaller numbers and press &quot;Go Back&quot; again.</source>
        <translation>Die Anfangsbestände ergeben zusammen mehr, als das Programm fassen kann. Geben Sie kleinere Zahlen ein und drücken Sie erneut „Zurück“.</translation>
    </message>
    <message>
        <source>The matrix cell in row %1, column %2 is &quot;%3&quot;, which is not a number. Enter a number and try again.</source>
        <translation>In Zeile %1, Spalte %2 der Matrix steht „%3“, und das ist keine Zahl. Geben Sie eine Zahl ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The initial population of age class %1 is &quot;%2&quot;, which is not a number. Enter a number and try again.</source>
        <translation>Als Anfangsbestand der Altersklasse %1 steht „%2“ da, und das ist keine Zahl. Geben Sie eine Zahl ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>A matrix of %1 age classes cannot be analysed: it needs 1 to %2.</source>
        <translation>Eine Matrix mit %1 Altersklassen lässt sich nicht auswerten: Sie braucht 1 bis %2.</translation>
    </message>
    <message>
        <source>The matrix needs one survival rate fewer than it has age classes.</source>
        <translation>Die Matrix braucht eine Überlebensrate weniger, als sie Altersklassen hat.</translation>
    </message>
    <message>
        <source>The fecundity F(%1) is not a number of zero or more, so the long-term outlook cannot be worked out.</source>
        <translation>Die Fekundität F(%1) ist keine Zahl von null oder mehr, daher lässt sich der langfristige Ausblick nicht berechnen.</translation>
    </message>
    <message>
        <source>The survival rate P(%1) is not between 0 and 1, so the long-term outlook cannot be worked out.</source>
        <translation>Die Überlebensrate P(%1) liegt nicht zwischen 0 und 1, daher lässt sich der langfristige Ausblick nicht berechnen.</translation>
    </message>
    <message>
        <source>The matrix&apos;s numbers are too extreme for its long-term outlook to be worked out.</source>
        <translation>Die Zahlen der Matrix sind zu extrem, um ihren langfristigen Ausblick zu berechnen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large to use.</source>
        <translation>„%1“ ist zu groß, um damit zu rechnen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>„%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>No number was entered.</source>
        <translation>Es wurde keine Zahl eingegeben.</translation>
    </message>
    <message>
        <source>The projection to step %1 gives numbers too large to compute. Use &quot;Change default values&quot; to enter a matrix and an initial population and start a new run.</source>
        <translation>Die Projektion bis Schritt %1 ergibt Zahlen, die zu groß zum Rechnen sind. Geben Sie mit „Werte ändern“ eine Matrix und einen Anfangsbestand ein und beginnen Sie einen neuen Lauf.</translation>
    </message>
    <message>
        <source>The total population at step 0 is 0, so there is nothing to project. Use &quot;Change default values&quot; to enter a matrix and an initial population and start a new run.</source>
        <translation>Die Gesamtpopulation in Schritt 0 ist 0, es gibt also nichts zu projizieren. Geben Sie mit „Werte ändern“ eine Matrix und einen Anfangsbestand ein und beginnen Sie einen neuen Lauf.</translation>
    </message>
    <message>
        <source>The run has reached step %1, the last step that is kept. Use &quot;Change default values&quot; to enter a matrix and an initial population and start a new run.</source>
        <translation>Der Lauf hat Schritt %1 erreicht, den letzten, der aufbewahrt wird. Geben Sie mit „Werte ändern“ eine Matrix und einen Anfangsbestand ein und beginnen Sie einen neuen Lauf.</translation>
    </message>
    <message>
        <source>The total population at step %1 would be 0: the population dies out, and its age distribution cannot be computed. Use &quot;Change default values&quot; to enter a matrix and an initial population and start a new run.</source>
        <translation>Die Gesamtpopulation in Schritt %1 wäre 0: Die Population stirbt aus, und ihre Altersverteilung lässt sich nicht berechnen. Geben Sie mit „Werte ändern“ eine Matrix und einen Anfangsbestand ein und beginnen Sie einen neuen Lauf.</translation>
    </message>
    <message>
        <source>A run keeps its number of age classes; start a new run for another.</source>
        <translation>Ein Lauf behält seine Zahl an Altersklassen; für eine andere beginnen Sie einen neuen Lauf.</translation>
    </message>
    <message>
        <source>A run needs a matrix of 1 to 101 age classes and an initial population of as many.</source>
        <translation>Ein Lauf braucht eine Matrix mit 1 bis 101 Altersklassen und einen Anfangsbestand mit ebenso vielen.</translation>
    </message>
    <message>
        <source>The initial population is too large to add up. Enter smaller numbers and try again.</source>
        <translation>Der Anfangsbestand ist zu groß, um ihn zusammenzuzählen. Geben Sie kleinere Zahlen ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Enter the classes to draw, such as 0-3, 10, 20.</source>
        <translation>Geben Sie die zu zeichnenden Klassen ein, etwa 0-3, 10, 20.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a class or a range of classes from 0 to %2.</source>
        <translation>„%1“ ist keine Klasse und kein Bereich von Klassen von 0 bis %2.</translation>
    </message>
    <message>
        <source>The young per survivor need one value per age class.</source>
        <translation>Die Jungen je Überlebendem brauchen einen Wert je Altersklasse.</translation>
    </message>
    <message>
        <source>The young per survivor of age class %1 must be 0 or more.</source>
        <translation>Die Jungen je Überlebendem der Altersklasse %1 müssen 0 oder mehr sein.</translation>
    </message>
    <message>
        <source>The young per survivor of age class %1 (%2) do not give its fecundity F(%1) = %3: it must be P(%1) x m(%4).</source>
        <translation>Die Jungen je Überlebendem der Altersklasse %1 (%2) ergeben nicht ihre Fekundität F(%1) = %3: Sie muss P(%1) x m(%4) sein.</translation>
    </message>
    <message>
        <source>The young per survivor of age class %1 (%2) do not give its fecundity F(%1) = %3: no survival of the last class gives it.</source>
        <translation>Die Jungen je Überlebendem der Altersklasse %1 (%2) ergeben nicht ihre Fekundität F(%1) = %3: Kein Überleben der letzten Klasse ergibt sie.</translation>
    </message>
    <message>
        <source>The number of replicates must be from 1 to %1.</source>
        <translation>Die Zahl der Wiederholungen muss zwischen 1 und %1 liegen.</translation>
    </message>
    <message>
        <source>The number of steps must be from 1 to %1.</source>
        <translation>Die Zahl der Schritte muss zwischen 1 und %1 liegen.</translation>
    </message>
    <message>
        <source>The threshold must be 0 or more.</source>
        <translation>Die Schwelle muss 0 oder mehr sein.</translation>
    </message>
    <message>
        <source>There is no chance to simulate: switch on demographic chance, environmental variation or both.</source>
        <translation>Es gibt keinen Zufall zu simulieren: Schalten Sie demografischen Zufall, Umweltschwankungen oder beides ein.</translation>
    </message>
    <message>
        <source>The initial population needs one number per age class.</source>
        <translation>Der Anfangsbestand braucht eine Zahl je Altersklasse.</translation>
    </message>
    <message>
        <source>The initial population of age class %1 must be 0 or more.</source>
        <translation>Der Anfangsbestand der Altersklasse %1 muss 0 oder mehr sein.</translation>
    </message>
    <message>
        <source>The CV of fecundity must be 0 or more.</source>
        <translation>Der Variationskoeffizient der Fekundität muss 0 oder mehr sein.</translation>
    </message>
    <message>
        <source>The CV of survival must be 0 or more.</source>
        <translation>Der Variationskoeffizient des Überlebens muss 0 oder mehr sein.</translation>
    </message>
    <message>
        <source>No beta distribution has a CV of survival of %1 with these survival rates: the largest possible is %2.</source>
        <translation>Keine Betaverteilung hat bei diesen Überlebensraten einen Variationskoeffizienten des Überlebens von %1: Der größtmögliche ist %2.</translation>
    </message>
    <message>
        <source>There is not enough memory for %1 replicates of %2 age classes.</source>
        <translation>Der Speicher reicht nicht für %1 Wiederholungen mit %2 Altersklassen.</translation>
    </message>
    <message>
        <source>The run was cancelled.</source>
        <translation>Der Lauf wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The life table needs one m(x) for every l(x). Give both for every age.</source>
        <translation>Die Lebenstafel braucht zu jedem l(x) ein m(x). Geben Sie für jedes Alter beide an.</translation>
    </message>
    <message>
        <source>The life table is empty. Give l(x) and m(x) for the ages x = 0, 1, 2, ...</source>
        <translation>Die Lebenstafel ist leer. Geben Sie l(x) und m(x) für die Alter x = 0, 1, 2, ... an.</translation>
    </message>
    <message>
        <source>l(%1) is %2; a survivorship must lie between 0 and 1. Correct it.</source>
        <translation>l(%1) ist %2; ein Überlebensanteil muss zwischen 0 und 1 liegen. Korrigieren Sie den Wert.</translation>
    </message>
    <message>
        <source>l(0) is %1; it must be 1, as every individual is alive at birth. Divide every l(x) by l(0), or give the numbers alive n(x) instead.</source>
        <translation>l(0) ist %1, muss aber 1 sein, denn bei der Geburt lebt jedes Individuum. Teilen Sie jedes l(x) durch l(0) oder geben Sie stattdessen die Zahlen der Lebenden n(x) an.</translation>
    </message>
    <message>
        <source>l(%1) = %2 is more than l(%3) = %4; the share of survivors can only fall with age. Correct one of them.</source>
        <translation>l(%1) = %2 ist größer als l(%3) = %4; der Anteil der Überlebenden kann mit dem Alter nur sinken. Korrigieren Sie einen der beiden Werte.</translation>
    </message>
    <message>
        <source>m(%1) is %2; the offspring per individual must be a number of zero or more. Correct it.</source>
        <translation>m(%1) ist %2; die Nachkommen je Individuum müssen eine Zahl von null oder mehr sein. Korrigieren Sie den Wert.</translation>
    </message>
    <message>
        <source>m(0) is %1; newborns cannot breed before their first birthday, so m(0) must be 0. Give their young at age 1 instead.</source>
        <translation>m(0) ist %1; Neugeborene können sich vor ihrem ersten Geburtstag nicht fortpflanzen, daher muss m(0) 0 sein. Geben Sie ihre Jungen stattdessen beim Alter 1 an.</translation>
    </message>
    <message>
        <source>l(1) is 0, so only age 0 has survivors; a matrix needs at least two ages with survivors. Give l(1) above 0.</source>
        <translation>l(1) ist 0, also gibt es nur im Alter 0 Überlebende; eine Matrix braucht mindestens zwei Alter mit Überlebenden. Geben Sie für l(1) mehr als 0 an.</translation>
    </message>
    <message>
        <source>l(%1) is above 0, so the table would make %1 age classes; at most %2 are possible. Let l(x) reach 0 by age %3.</source>
        <translation>l(%1) ist größer als 0, daher ergäbe die Tafel %1 Altersklassen; möglich sind höchstens %2. Lassen Sie l(x) spätestens beim Alter %3 auf 0 sinken.</translation>
    </message>
    <message>
        <source>Age x = %1: %2</source>
        <translation>Alter x = %1: %2</translation>
    </message>
    <message>
        <source>The matrix needs one survival rate fewer than it has classes.</source>
        <translation>Die Matrix braucht eine Überlebensrate weniger, als sie Klassen hat.</translation>
    </message>
    <message>
        <source>P(%1) is 0, so a life table would end at that age and lose the classes after it. Make P(%1) larger than 0, or remove the classes after it, before entering a life table.</source>
        <translation>P(%1) ist 0, daher würde eine Lebenstafel bei diesem Alter enden und die Klassen danach verlieren. Machen Sie P(%1) größer als 0 oder entfernen Sie die Klassen danach, bevor Sie eine Lebenstafel eingeben.</translation>
    </message>
    <message>
        <source>you have no permission to read it</source>
        <translation>Sie haben keine Berechtigung, sie zu lesen</translation>
    </message>
    <message>
        <source>you have no permission to write there</source>
        <translation>Sie haben keine Berechtigung, dort zu schreiben</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>Diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>there is no such folder</source>
        <translation>Diesen Ordner gibt es nicht</translation>
    </message>
    <message>
        <source>a part of its path is not a folder</source>
        <translation>Ein Teil ihres Pfades ist kein Ordner</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>Das ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>Der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>Der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file would be larger than this computer allows</source>
        <translation>Die Datei würde größer, als dieser Computer erlaubt</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>Der Name ist zu lang</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>Der Datenträger hat einen Fehler gemeldet</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>Sie ließ sich nicht lesen</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>Sie ließ sich nicht schreiben</translation>
    </message>
    <message>
        <source>The file is empty; a life table starts with a header row such as x,lx,mx.</source>
        <translation>Die Datei ist leer; eine Lebenstafel beginnt mit einer Kopfzeile wie x,lx,mx.</translation>
    </message>
    <message>
        <source>Line %1: the header row names no survivorship column. Name it lx or l(x), or nx or n(x) for the numbers alive.</source>
        <translation>Zeile %1: Die Kopfzeile nennt keine Spalte für den Überlebensanteil. Nennen Sie sie lx oder l(x), für die Zahlen der Lebenden nx oder n(x).</translation>
    </message>
    <message>
        <source>Line %1: the header row names no column of offspring per individual. Name it mx, m(x), bx or b(x).</source>
        <translation>Zeile %1: Die Kopfzeile nennt keine Spalte für die Nachkommen je Individuum. Nennen Sie sie mx, m(x), bx oder b(x).</translation>
    </message>
    <message>
        <source>Line %1, column %2: the value is missing. Give a number for every age.</source>
        <translation>Zeile %1, Spalte %2: Der Wert fehlt. Geben Sie für jedes Alter eine Zahl an.</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3 is not a number.</source>
        <translation>Zeile %1, Spalte %2: %3 ist keine Zahl.</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3 is not a number (with commas between the columns, decimals take a period).</source>
        <translation>Zeile %1, Spalte %2: %3 ist keine Zahl (wenn Kommas die Spalten trennen, haben Dezimalzahlen einen Punkt).</translation>
    </message>
    <message>
        <source>Line %1, column %2: the age is %3, but the rows must give the ages 0, 1, 2, ... in order, so it should be %4. Correct the ages or the order of the rows.</source>
        <translation>Zeile %1, Spalte %2: Das Alter ist %3, aber die Zeilen müssen die Alter 0, 1, 2, ... der Reihe nach angeben, hier also %4. Korrigieren Sie die Alter oder die Reihenfolge der Zeilen.</translation>
    </message>
    <message>
        <source>Line %1, column %2: n(0) is %3; the numbers alive must start above 0, as l(x) is n(x) divided by n(0).</source>
        <translation>Zeile %1, Spalte %2: n(0) ist %3; die Zahlen der Lebenden müssen über 0 beginnen, denn l(x) ist n(x) geteilt durch n(0).</translation>
    </message>
    <message>
        <source>Line %1, age x = %2: %3</source>
        <translation>Zeile %1, Alter x = %2: %3</translation>
    </message>
    <message>
        <source>The file is empty. Open a data file in the batch format, or a life table with a header row naming the columns x, lx and mx.</source>
        <translation>Die Datei ist leer. Öffnen Sie eine Datendatei im Stapelformat oder eine Lebenstafel mit einer Kopfzeile, die die Spalten x, lx und mx nennt.</translation>
    </message>
    <message>
        <source>This life table cannot be opened. %1</source>
        <translation>Diese Lebenstafel lässt sich nicht öffnen. %1</translation>
    </message>
    <message>
        <source>This is neither a data file (%1) nor a life table (%2). Open a data file in the batch format, or a life table with a header row naming the columns x, lx and mx.</source>
        <translation>Dies ist weder eine Datendatei (%1) noch eine Lebenstafel (%2). Öffnen Sie eine Datendatei im Stapelformat oder eine Lebenstafel mit einer Kopfzeile, die die Spalten x, lx und mx nennt.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2.</source>
        <translation>%1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Line %1: %3 is %2, which is too large to use.</source>
        <translation>Zeile %1 (%3): %2 ist zu groß, um damit zu rechnen.</translation>
    </message>
    <message>
        <source>Line %1: %3 is %2, which is not a number (numbers are separated by commas, not by blanks or tabs).</source>
        <translation>Zeile %1 (%3): %2 ist keine Zahl (Zahlen werden durch Kommas getrennt, nicht durch Leerzeichen oder Tabulatoren).</translation>
    </message>
    <message>
        <source>Line %1: %3 is %2, which is not a number (numbers are written like 12, -0.5 or 1.5E+3).</source>
        <translation>Zeile %1 (%3): %2 ist keine Zahl (Zahlen schreibt man wie 12, -0.5 oder 1.5E+3).</translation>
    </message>
    <message>
        <source>Line %1: %3 is %2, which is not a number (numbers use a period as decimal separator).</source>
        <translation>Zeile %1 (%3): %2 ist keine Zahl (Zahlen haben einen Punkt als Dezimaltrennzeichen).</translation>
    </message>
    <message>
        <source>Line %1: %2 starts with a quote that is not closed on that line.</source>
        <translation>Zeile %1 (%2): Ein Anführungszeichen wird geöffnet, aber in dieser Zeile nicht geschlossen.</translation>
    </message>
    <message>
        <source>The file holds nothing but blank lines; it must start with a title and the highest age index n.</source>
        <translation>Die Datei enthält nur Leerzeilen; sie muss mit einem Titel und dem höchsten Altersindex n beginnen.</translation>
    </message>
    <message>
        <source>The file is empty; it must start with a title and the highest age index n.</source>
        <translation>Die Datei ist leer; sie muss mit einem Titel und dem höchsten Altersindex n beginnen.</translation>
    </message>
    <message>
        <source>The file ends after line %1, before %2; a complete file runs on to the number of steps T.</source>
        <translation>Die Datei endet nach Zeile %1; es fehlt noch: %2. Eine vollständige Datei reicht bis zur Zahl der Schritte T.</translation>
    </message>
    <message>
        <source>Line %1: %2 is empty; a number is expected there.</source>
        <translation>Zeile %1 (%2): Das Feld ist leer; dort wird eine Zahl erwartet.</translation>
    </message>
    <message>
        <source>Line %1: %3 is %2; it must be %4.</source>
        <translation>Zeile %1 (%3): %2 ist nicht erlaubt; es muss %4 sein.</translation>
    </message>
    <message>
        <source>the title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>the highest age index n</source>
        <translation>höchster Altersindex n</translation>
    </message>
    <message>
        <source>a whole number from 0 to %1 (at most %2 age classes)</source>
        <translation>eine ganze Zahl von 0 bis %1 (höchstens %2 Altersklassen)</translation>
    </message>
    <message>
        <source>the label before the fecundities</source>
        <translation>Beschriftung vor den Fekunditäten</translation>
    </message>
    <message>
        <source>the fecundity F(%1)</source>
        <translation>Fekundität F(%1)</translation>
    </message>
    <message>
        <source>the label before the survival rates</source>
        <translation>Beschriftung vor den Überlebensraten</translation>
    </message>
    <message>
        <source>the survival rate P(%1)</source>
        <translation>Überlebensrate P(%1)</translation>
    </message>
    <message>
        <source>the label before the initial numbers</source>
        <translation>Beschriftung vor den Anfangsbeständen</translation>
    </message>
    <message>
        <source>the initial number X(0, %1)</source>
        <translation>Anfangsbestand X(0, %1)</translation>
    </message>
    <message>
        <source>the label before the number of steps T</source>
        <translation>Beschriftung vor der Zahl der Schritte T</translation>
    </message>
    <message>
        <source>the number of steps T</source>
        <translation>Zahl der Schritte T</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2 (a negative T writes empty result files)</source>
        <translation>eine ganze Zahl von %1 bis %2 (ein negatives T schreibt leere Ergebnisdateien)</translation>
    </message>
    <message>
        <source>%1 Correct what stood in the way, then run the batch projection again.</source>
        <translation>%1 Beheben Sie, was im Weg stand, und starten Sie dann die Stapelprojektion erneut.</translation>
    </message>
    <message>
        <source>%1 No result file was changed. Give the data file a shorter name (the result files add up to 20 characters to it), then run the batch projection again.</source>
        <translation>%1 Keine Ergebnisdatei wurde verändert. Geben Sie der Datendatei einen kürzeren Namen (die Ergebnisdateien hängen bis zu 20 Zeichen an) und starten Sie dann die Stapelprojektion erneut.</translation>
    </message>
    <message>
        <source>%1 No result file was changed. Remove or rename that folder, then run the batch projection again.</source>
        <translation>%1 Keine Ergebnisdatei wurde verändert. Entfernen Sie diesen Ordner oder benennen Sie ihn um und starten Sie dann die Stapelprojektion erneut.</translation>
    </message>
    <message>
        <source>%1 No result file was changed. Make room on the disk, then run the batch projection again.</source>
        <translation>%1 Keine Ergebnisdatei wurde verändert. Schaffen Sie Platz auf dem Datenträger und starten Sie dann die Stapelprojektion erneut.</translation>
    </message>
    <message>
        <source>%1 No result file was changed. Copy the data file to a folder on a disk that can be written to, then run the batch projection again.</source>
        <translation>%1 Keine Ergebnisdatei wurde verändert. Kopieren Sie die Datendatei in einen Ordner auf einem beschreibbaren Datenträger und starten Sie dann die Stapelprojektion erneut.</translation>
    </message>
    <message>
        <source>%1 No result file was changed. Make sure the data file&apos;s folder can be written to and has room, then run the batch projection again.</source>
        <translation>%1 Keine Ergebnisdatei wurde verändert. Sorgen Sie dafür, dass der Ordner der Datendatei beschreibbar ist und Platz hat, und starten Sie dann die Stapelprojektion erneut.</translation>
    </message>
    <message>
        <source>%1 Choose another data file.</source>
        <translation>%1 Wählen Sie eine andere Datendatei.</translation>
    </message>
    <message>
        <source>The data file %1 cannot be used. Its first %2 MB hold nothing but blank lines, and no more of a file is read; a data file starts with a title and the highest age index n. Correct the file and run the batch projection again; no result file was changed.</source>
        <translation>Die Datendatei %1 lässt sich nicht verwenden. Ihre ersten %2 MB enthalten nur Leerzeilen, und mehr wird von einer Datei nicht gelesen; eine Datendatei beginnt mit einem Titel und dem höchsten Altersindex n. Korrigieren Sie die Datei und starten Sie die Stapelprojektion erneut; keine Ergebnisdatei wurde verändert.</translation>
    </message>
    <message>
        <source>The data file %1 cannot be used. %3 Only the first %2 MB of the file were read. Correct the file and run the batch projection again; no result file was changed.</source>
        <translation>Die Datendatei %1 lässt sich nicht verwenden. %3 Nur die ersten %2 MB der Datei wurden gelesen. Korrigieren Sie die Datei und starten Sie die Stapelprojektion erneut; keine Ergebnisdatei wurde verändert.</translation>
    </message>
    <message>
        <source>The data file %1 cannot be used. %2 Correct the file and run the batch projection again; no result file was changed.</source>
        <translation>Die Datendatei %1 lässt sich nicht verwenden. %2 Korrigieren Sie die Datei und starten Sie die Stapelprojektion erneut; keine Ergebnisdatei wurde verändert.</translation>
    </message>
    <message>
        <source>The data file %1 cannot be projected. %2 Correct the file and run the batch projection again; no result file was changed.</source>
        <translation>Die Datendatei %1 lässt sich nicht projizieren. %2 Korrigieren Sie die Datei und starten Sie die Stapelprojektion erneut; keine Ergebnisdatei wurde verändert.</translation>
    </message>
    <message>
        <source>The data file %1 cannot be analysed. %2 Correct the file and run the batch projection again; no result file was changed.</source>
        <translation>Die Datendatei %1 lässt sich nicht auswerten. %2 Korrigieren Sie die Datei und starten Sie die Stapelprojektion erneut; keine Ergebnisdatei wurde verändert.</translation>
    </message>
    <message>
        <source>At step %1 the numbers grow beyond what can be computed. Choose a smaller number of steps T or smaller values.</source>
        <translation>In Schritt %1 wachsen die Zahlen über das hinaus, was sich berechnen lässt. Wählen Sie eine kleinere Zahl der Schritte T oder kleinere Werte.</translation>
    </message>
    <message>
        <source>The initial numbers add up to 0, so there is no population to project.</source>
        <translation>Die Anfangsbestände ergeben zusammen 0, es gibt also keine Population zu projizieren.</translation>
    </message>
    <message>
        <source>At step %1 the total S(%1) is 0: the population has died out, so its age distribution and growth rate cannot be formed. Choose a number of steps T below %1, or change the data.</source>
        <translation>In Schritt %1 ist die Summe S(%1) gleich 0: Die Population ist ausgestorben, daher lassen sich ihre Altersverteilung und Zuwachsrate nicht bilden. Wählen Sie eine Zahl der Schritte T unter %1 oder ändern Sie die Daten.</translation>
    </message>
    <message>
        <source>The data describe a matrix or a number of steps beyond what the projection holds.</source>
        <translation>Die Daten beschreiben eine Matrix oder eine Zahl der Schritte, die über das hinausgeht, was die Projektion fassen kann.</translation>
    </message>
    <message>
        <source>No file name was given, so nothing was written.</source>
        <translation>Es wurde kein Dateiname angegeben, daher wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>No file name was given, so nothing was read.</source>
        <translation>Es wurde kein Dateiname angegeben, daher wurde nichts gelesen.</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::AboutWindow</name>
    <message>
        <source>This program is free for teaching and for non-commercial research. It may be copied for classes, but it may not be sold or changed without the maker&apos;s permission.</source>
        <translation>Dieses Programm ist frei für den Unterricht und für nichtkommerzielle Forschung. Es darf für Klassen kopiert, aber ohne Erlaubnis des Herstellers weder verkauft noch verändert werden.</translation>
    </message>
    <message>
        <source>This program is protected by copyright law. Selling or distributing it without permission is forbidden.</source>
        <translation>Dieses Programm ist urheberrechtlich geschützt. Verkauf oder Weitergabe ohne Erlaubnis sind verboten.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Made at the Example Ecology Laboratory.</source>
        <translation>Entwickelt im Example Ecology Laboratory.</translation>
    </message>
    <message>
        <source>If you use this program in your research, please cite the following  reference in your paper:</source>
        <translation>Wenn Sie dieses Programm in Ihrer Forschung nutzen, zitieren Sie bitte in Ihrer Arbeit:</translation>
    </message>
    <message>
        <source>Ecology Teaching Group, Example Ecology Laboratory. 1997-%1. </source>
        <translation>Ecology Teaching Group, Example Ecology Laboratory. 1997-%1. </translation>
    </message>
    <message>
        <source>Computer program of Dalvo-Leslie matrix.</source>
        <translation>Computerprogramm zur Dalvo-Leslie-Matrix.</translation>
    </message>
    <message>
        <source>You can get new version of this program at following webs:</source>
        <translation>Neue Versionen gibt es auf diesen Webseiten:</translation>
    </message>
    <message>
        <source>(Example Ecology Laboratory) or</source>
        <translation>(Example Ecology Laboratory) oder</translation>
    </message>
    <message>
        <source>(Example College, Department of Ecology).</source>
        <translation>(Example College, Department of Ecology).</translation>
    </message>
    <message>
        <source>Picture of an insect</source>
        <translation>Bild eines Insekts</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Urheberrecht</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::BackdropWindow</name>
    <message>
        <source>Form3</source>
        <translation>Form3</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::ChanceTab</name>
    <message>
        <source>&amp;Replicates:</source>
        <translation>&amp;Replikate:</translation>
    </message>
    <message>
        <source>How many runs to simulate, 1 to 100 000</source>
        <translation>Wie viele Läufe (Replikate) simuliert werden, 1 bis 100 000</translation>
    </message>
    <message>
        <source>Ste&amp;ps:</source>
        <translation>&amp;Zeit:</translation>
    </message>
    <message>
        <source>How many time intervals each run lasts, 1 to 1000</source>
        <translation>Wie viele Zeitintervalle jeder Lauf dauert, 1 bis 1000</translation>
    </message>
    <message>
        <source>See&amp;d:</source>
        <translation>S&amp;tart:</translation>
    </message>
    <message>
        <source>The same seed gives the same runs on every computer</source>
        <translation>Derselbe Startwert ergibt auf jedem Computer dieselben Läufe</translation>
    </message>
    <message>
        <source>New seed</source>
        <translation>Neu würfeln</translation>
    </message>
    <message>
        <source>A seed picked at random: other runs</source>
        <translation>Ein zufällig gewählter Startwert: andere Läufe</translation>
    </message>
    <message>
        <source>T&amp;hreshold:</source>
        <translation>S&amp;chwelle:</translation>
    </message>
    <message>
        <source>A total below it counts as lost; 1: no individual left</source>
        <translation>Eine Summe darunter gilt als verloren; 1: kein Individuum mehr</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Simulate the runs (Ctrl+R)</source>
        <translation>Die Läufe simulieren (Strg+R)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop the run; nothing of it is kept</source>
        <translation>Den Lauf anhalten; nichts davon wird behalten</translation>
    </message>
    <message>
        <source>Share of the run done</source>
        <translation>Erledigter Anteil des Laufs</translation>
    </message>
    <message>
        <source>Demo&amp;graphic chance</source>
        <translation>Demo&amp;grafischer Zufall</translation>
    </message>
    <message>
        <source>Whole individuals: each survives or dies, and has young, by chance</source>
        <translation>Ganze Individuen: Jedes überlebt oder stirbt und bekommt Junge durch Zufall</translation>
    </message>
    <message>
        <source>En&amp;vironmental variation</source>
        <translation>&amp;Umweltschwankungen</translation>
    </message>
    <message>
        <source>Every interval draws its survival rates and fecundities afresh</source>
        <translation>Jedes Intervall zieht seine Überlebensraten und Fekunditäten neu</translation>
    </message>
    <message>
        <source>CV of &amp;fecundity:</source>
        <translation>VK &amp;Fekundität:</translation>
    </message>
    <message>
        <source>Standard deviation of each fecundity as a share of its mean</source>
        <translation>Standardabweichung jeder Fekundität als Anteil ihres Mittelwerts (Variationskoeffizient)</translation>
    </message>
    <message>
        <source>CV of s&amp;urvival:</source>
        <translation>VK Überl&amp;eben:</translation>
    </message>
    <message>
        <source>Standard deviation of each survival rate as a share of its mean</source>
        <translation>Standardabweichung jeder Überlebensrate als Anteil ihres Mittelwerts (Variationskoeffizient)</translation>
    </message>
    <message>
        <source>Good and bad &amp;years</source>
        <translation>Gute/schlechte &amp;Jahre</translation>
    </message>
    <message>
        <source>All rates of an interval move together: a year is good or bad for everyone</source>
        <translation>Alle Raten eines Intervalls schwanken gemeinsam: Ein Jahr ist für alle gut oder schlecht</translation>
    </message>
    <message>
        <source>Log scale</source>
        <translation>Log-Skala</translation>
    </message>
    <message>
        <source>Logarithmic axis for the total</source>
        <translation>Logarithmische Achse für die Summe</translation>
    </message>
    <message>
        <source>Total population with chance</source>
        <translation>Gesamtpopulation mit Zufall</translation>
    </message>
    <message>
        <source>Risk of falling below the threshold</source>
        <translation>Risiko, unter die Schwelle zu fallen</translation>
    </message>
    <message>
        <source>Counted just after breeding, only the survivors of a class breed: each leaves Poisson(m(x+1)) young. The mean is the matrix&apos;s; the variance is larger than if the young came whether or not their parent lived.</source>
        <translation>Bei einer Zählung kurz nach der Fortpflanzung pflanzen sich nur die Überlebenden einer Klasse fort: Jedes hinterlässt Poisson(m(x+1)) Junge. Der Mittelwert ist der der Matrix; die Varianz ist größer, als wenn die Jungen unabhängig vom Überleben ihrer Eltern kämen.</translation>
    </message>
    <message>
        <source>The population changed, so the run was stopped. Press Run again.</source>
        <translation>Die Population hat sich geändert, daher wurde der Lauf angehalten. Drücken Sie erneut „Starten“.</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3.</source>
        <translation>%1: Erwartet wird eine ganze Zahl von %2 bis %3.</translation>
    </message>
    <message>
        <source>%1 must be a number.</source>
        <translation>%1: Erwartet wird eine Zahl.</translation>
    </message>
    <message>
        <source>Replicates</source>
        <translation>Replikate</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>The seed must be a whole number from 0 to %1.</source>
        <translation>Der Startwert muss eine ganze Zahl von 0 bis %1 sein.</translation>
    </message>
    <message>
        <source>The threshold</source>
        <translation>Schwelle</translation>
    </message>
    <message>
        <source>The CV of fecundity</source>
        <translation>VK der Fekundität</translation>
    </message>
    <message>
        <source>The CV of survival</source>
        <translation>VK des Überlebens</translation>
    </message>
    <message>
        <source>The run was cancelled; nothing of it is kept.</source>
        <translation>Der Lauf wurde abgebrochen; nichts davon wird behalten.</translation>
    </message>
    <message>
        <source>Run (Ctrl+R) simulates the population many times with chance: the fan shows how its total spreads, the risk how often it is lost.</source>
        <translation>„Starten“ (Strg+R) simuliert die Population viele Male mit Zufall: Der Fächer zeigt, wie weit ihre Summe streut, das Risiko, wie oft sie verloren geht.</translation>
    </message>
    <message>
        <source>λ of the average matrix: %1 (ln λ = %2).</source>
        <translation>λ der mittleren Matrix: %1 (ln λ = %2).</translation>
    </message>
    <message>
        <source>λ of the average matrix: %1.</source>
        <translation>λ der mittleren Matrix: %1.</translation>
    </message>
    <message>
        <source>Long-run growth rate log λs from one run of %1 intervals: %2 (95 % interval %3 to %4).</source>
        <translation>Langfristige Zuwachsrate log λs aus einem Lauf über %1 Intervalle: %2 (95-%-Intervall %3 bis %4).</translation>
    </message>
    <message>
        <source>Tuljapurkar&apos;s approximation: log λs ≈ %1.</source>
        <translation>Näherung nach Tuljapurkar: log λs ≈ %1.</translation>
    </message>
    <message>
        <source>Both lie below ln λ: growth multiplies, so a bad year takes away more than an equally good year adds, and the long run follows the average of the logarithms, which is below the logarithm of the average.</source>
        <translation>Beide liegen unter ln λ: Wachstum multipliziert sich, daher nimmt ein schlechtes Jahr mehr weg, als ein ebenso gutes hinzufügt, und langfristig zählt der Mittelwert der Logarithmen, der unter dem Logarithmus des Mittelwerts liegt.</translation>
    </message>
    <message>
        <source>The long-run growth rate is not given with demographic chance: a run of whole individuals can die out, and then it grows no more.</source>
        <translation>Mit demografischem Zufall gibt es keine langfristige Zuwachsrate: Ein Lauf ganzer Individuen kann aussterben und wächst dann nicht mehr.</translation>
    </message>
    <message>
        <source>Without environmental variation every year is the average year, so the long-run growth rate is ln λ.</source>
        <translation>Ohne Umweltschwankungen ist jedes Jahr ein mittleres Jahr, daher ist die langfristige Zuwachsrate ln λ.</translation>
    </message>
    <message>
        <source>λ of the average matrix is 0: the population dies out, so it has no long-run growth rate.</source>
        <translation>λ der mittleren Matrix ist 0: Die Population stirbt aus und hat daher keine langfristige Zuwachsrate.</translation>
    </message>
    <message>
        <source>By step %1, %2 % of the runs had fallen below the threshold.</source>
        <translation>Bis Schritt %1 waren %2 % der Läufe unter die Schwelle gefallen.</translation>
    </message>
    <message>
        <source>The dashed risk is the exact probability of extinction, from the branching process.</source>
        <translation>Das gestrichelte Risiko ist die exakte Aussterbewahrscheinlichkeit aus dem Verzweigungsprozess.</translation>
    </message>
    <message>
        <source>The exact risk is worked out for demographic chance alone: it needs rates that stay the same from year to year.</source>
        <translation>Das exakte Risiko wird nur für demografischen Zufall berechnet: Es braucht Raten, die von Jahr zu Jahr gleich bleiben.</translation>
    </message>
    <message>
        <source>The exact risk is that of no individual left: it is drawn for a threshold above 0 and at most 1.</source>
        <translation>Das exakte Risiko ist das, dass kein Individuum übrig bleibt: Es wird für eine Schwelle über 0 und höchstens 1 gezeichnet.</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::ChartWindow</name>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Log scale</source>
        <translation>Log-Skala</translation>
    </message>
    <message>
        <source>Logarithmic value axis (L)</source>
        <translation>Logarithmische Werteachse (L)</translation>
    </message>
    <message>
        <source>Population size</source>
        <translation>Populationsgröße</translation>
    </message>
    <message>
        <source>Growth rate</source>
        <translation>Zuwachsrate</translation>
    </message>
    <message>
        <source>Age structure</source>
        <translation>Altersstruktur</translation>
    </message>
    <message>
        <source>N(t)-N(t-1)</source>
        <translation>N(t)-N(t-1)</translation>
    </message>
    <message>
        <source>Age Distribution</source>
        <translation>Altersverteilung</translation>
    </message>
    <message>
        <source>Print page</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafik</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::ControlSheet</name>
    <message>
        <source>Column headings</source>
        <translation>Spaltenköpfe</translation>
    </message>
    <message>
        <source>Row headings</source>
        <translation>Zeilenköpfe</translation>
    </message>
    <message>
        <source>Select all cells</source>
        <translation>Alle Zellen auswählen</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::DedicationWindow</name>
    <message>
        <source>Picture of a landscape</source>
        <translation>Bild einer Landschaft</translation>
    </message>
    <message>
        <source>God rest his soul</source>
        <translation>Gott hab ihn selig</translation>
    </message>
    <message>
        <source>Dedication</source>
        <translation>Widmung</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::FileCommands</name>
    <message>
        <source>The run was not saved. %1 Choose another folder or file name and save again.</source>
        <translation>Der Lauf wurde nicht gespeichert. %1 Wählen Sie einen anderen Ordner oder Dateinamen und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>The full-precision file %1 was saved, but not the rounded one. %2 Choose another folder or file name and save again.</source>
        <translation>Die Datei mit voller Genauigkeit %1 wurde gespeichert, die gerundete aber nicht. %2 Wählen Sie einen anderen Ordner oder Dateinamen und speichern Sie erneut.</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::HistoryTableModel</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>age 0</source>
        <translation>Alter 0</translation>
    </message>
    <message>
        <source>age 1</source>
        <translation>Alter 1</translation>
    </message>
    <message>
        <source>age 2</source>
        <translation>Alter 2</translation>
    </message>
    <message>
        <source>age 3</source>
        <translation>Alter 3</translation>
    </message>
    <message>
        <source>total(t)</source>
        <translation>Summe(t)</translation>
    </message>
    <message>
        <source>growth rate</source>
        <translation>Zuwachsrate</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::HowToWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Press Project to calculate the population structure at  t+1.</source>
        <translation>„Rechnen“ berechnet die Altersstruktur zur Zeit  t+1.</translation>
    </message>
    <message>
        <source>Press Transit to move the population structure to the left side.</source>
        <translation>„Weiter“ setzt die Altersstruktur auf die linke Seite.</translation>
    </message>
    <message>
        <source>Press How To to see this page.</source>
        <translation>„Hilfe“ zeigt diese Seite.</translation>
    </message>
    <message>
        <source>Press Change Default Values to make change of the default values.</source>
        <translation>„Werte ändern“ ändert die voreingestellten Werte.</translation>
    </message>
    <message>
        <source>Press Graph to see the graphs.</source>
        <translation>„Grafik“ zeigt die Diagramme.</translation>
    </message>
    <message>
        <source>Press Intro to see the theoretical introduction.</source>
        <translation>„Theorie“ zeigt die theoretische Einführung.</translation>
    </message>
    <message>
        <source>Press Quit to quit the program.</source>
        <translation>„E“ beendet das Programm.</translation>
    </message>
    <message>
        <source>Press Print to print the page (your printer must be connected to LPT1).</source>
        <translation>„D“ druckt die Seite (der Drucker muss an LPT1 angeschlossen sein).</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>Anleitung</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::IntroductionWindow</name>
    <message>
        <source>The Dalvo-Leslie matrix was developed by Dalvo (1942) and Leslie (1945) to project the growth of age-structured populations. </source>
        <translation>Die Dalvo-Leslie-Matrix wurde von Dalvo (1942) und Leslie (1945) entwickelt, um das Wachstum altersstrukturierter Populationen vorherzusagen. </translation>
    </message>
    <message>
        <source>The first row (the red numbers) of the square matrix contains </source>
        <translation>Die erste Zeile (die roten Zahlen) der quadratischen Matrix enthält </translation>
    </message>
    <message>
        <source>the age-specific fecundities </source>
        <translation>die altersspezifischen Fekunditäten </translation>
    </message>
    <message>
        <source>of each age group, the subdiagnol column (the blue numbers) </source>
        <translation>jeder Altersklasse, die Nebendiagonale (die blauen Zahlen) </translation>
    </message>
    <message>
        <source>contains the age-specific </source>
        <translation>enthält die altersspezifischen </translation>
    </message>
    <message>
        <source>survival rates. A single column matrix (vector) is used to represent </source>
        <translation>Überlebensraten. Eine einspaltige Matrix (ein Vektor) stellt </translation>
    </message>
    <message>
        <source>the age structure of the population. As the time approaches infinity, </source>
        <translation>die Altersstruktur der Population dar. Mit fortschreitender Zeit </translation>
    </message>
    <message>
        <source>the growth rate becomes constant and the age distribution becomes stable. </source>
        <translation>wird die Zuwachsrate konstant und die Altersverteilung stabil. </translation>
    </message>
    <message>
        <source>The program is designed for my ecological class.  You can use this </source>
        <translation>Das Programm ist für meinen Ökologieunterricht geschrieben.  Mit diesem </translation>
    </message>
    <message>
        <source>program to simulate the growth of this population.  You will see the </source>
        <translation>Programm können Sie das Wachstum dieser Population simulieren.  Sie werden sehen, dass sich das </translation>
    </message>
    <message>
        <source>growth settles down to a stable increase rate as time approaching infinity. </source>
        <translation>Wachstum mit fortschreitender Zeit auf eine stabile Zuwachsrate einpendelt. </translation>
    </message>
    <message>
        <source>Press on the graph button, you will see the change of the total population </source>
        <translation>Ein Klick auf „Grafik“ zeigt, wie sich die Gesamtgröße der Population, </translation>
    </message>
    <message>
        <source>size, the change of growth rate, age-structure, and the age distribution. </source>
        <translation>die Zuwachsrate, die Altersstruktur und die Altersverteilung ändern. </translation>
    </message>
    <message>
        <source>The finite rate of increase can be solved numerically. </source>
        <translation>Die endliche Zuwachsrate lässt sich numerisch bestimmen. </translation>
    </message>
    <message>
        <source>A separate program of ours solves the finite rate of increase of a matrix of any size.  </source>
        <translation>Ein eigenes Programm von uns bestimmt die endliche Zuwachsrate einer Matrix beliebiger Größe.  </translation>
    </message>
    <message>
        <source>You are welcome to download it free of charge from www.example.org/finite-rate/ . </source>
        <translation>Sie können es kostenlos von www.example.org/finite-rate/ herunterladen. </translation>
    </message>
    <message>
        <source>The Dalvo-Leslie matrix is valid for age-structured populations. </source>
        <translation>Die Dalvo-Leslie-Matrix gilt für altersstrukturierte Populationen. </translation>
    </message>
    <message>
        <source>However, it does not take the stage differentiation into account. </source>
        <translation>Sie berücksichtigt jedoch keine Entwicklungsstadien. </translation>
    </message>
    <message>
        <source>It ignores the sexual differentiation too. For insect and mite </source>
        <translation>Auch die Geschlechter unterscheidet sie nicht. Bei Insekten- und Milben</translation>
    </message>
    <message>
        <source>populations, there are significant stage overlapping. It means that </source>
        <translation>populationen überlappen sich die Stadien deutlich. Das heißt, </translation>
    </message>
    <message>
        <source>individuals of the same age may be in different developmental stage. </source>
        <translation>Individuen gleichen Alters können in verschiedenen Entwicklungsstadien sein. </translation>
    </message>
    <message>
        <source>Because individuals of different stages may be quite different in the </source>
        <translation>Da sich Individuen verschiedener Stadien stark unterscheiden können, etwa in der </translation>
    </message>
    <message>
        <source>susceptibility to insecticides, predation rate, vulnerability to predator, </source>
        <translation>Empfindlichkeit gegenüber Insektiziden, der Fraßrate, der Anfälligkeit für Räuber, </translation>
    </message>
    <message>
        <source>behavior, and others, it is important to take the age-stage structure </source>
        <translation>im Verhalten und anderem, ist es wichtig, die Alters-Stadien-Struktur </translation>
    </message>
    <message>
        <source>into consideration.  For such populations we recommend our separate </source>
        <translation>zu berücksichtigen.  Für solche Populationen empfehlen wir unser eigenes </translation>
    </message>
    <message>
        <source>life-table program, which is based on the age-stage, two-sex life table </source>
        <translation>Lebenstafel-Programm, das auf der zweigeschlechtlichen Alters-Stadien-Lebenstafel beruht </translation>
    </message>
    <message>
        <source>and takes both the developmental stages and the two sexes into account.  </source>
        <translation>und sowohl die Entwicklungsstadien als auch beide Geschlechter berücksichtigt.  </translation>
    </message>
    <message>
        <source>It can be downloaded free of charge from www.example.org/life-table/ . </source>
        <translation>Sie können es kostenlos von www.example.org/life-table/ herunterladen. </translation>
    </message>
    <message>
        <source>The two-sex life-table theory holds both in data analysis and in theory. </source>
        <translation>Die Theorie der zweigeschlechtlichen Lebenstafel bewährt sich in der Datenanalyse wie in der Theorie. </translation>
    </message>
    <message>
        <source>Introduction text</source>
        <translation>Text der Einführung</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Literatur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::LifeTableTab</name>
    <message>
        <source>Life table</source>
        <translation>Lebenstafel</translation>
    </message>
    <message>
        <source>The columns are read off the matrix, class x as age x. They assume the census of the matrix, so m(x) counts the young that reach the next count, and the young of class x are born at age x + 1: Tc here is one interval less than the cohort generation time on the Outlook tab.</source>
        <translation>Die Spalten sind aus der Matrix abgelesen, Klasse x als Alter x. Sie folgen der Zählweise der Matrix: m(x) zählt die Jungen, die die nächste Zählung erleben, und die Jungen der Klasse x kommen im Alter x + 1 zur Welt. Tc ist hier daher ein Intervall kürzer als die Kohorten-Generationszeit auf der Seite „Ausblick“.</translation>
    </message>
    <message>
        <source>The life table as entered. The matrix was made from it for a census just before breeding: class j holds the individuals of age j + 1, and F(j) counts the young that live to their first count.</source>
        <translation>Die Lebenstafel wie eingegeben. Die Matrix wurde daraus für eine Zählung kurz vor der Fortpflanzung gebildet: Klasse j enthält die Individuen des Alters j + 1, und F(j) zählt die Jungen, die ihre erste Zählung erleben.</translation>
    </message>
    <message>
        <source>The life table as entered. The matrix was made from it for a census just after breeding: class j holds the individuals of age j, newborns included.</source>
        <translation>Die Lebenstafel wie eingegeben. Die Matrix wurde daraus für eine Zählung kurz nach der Fortpflanzung gebildet: Klasse j enthält die Individuen des Alters j, Neugeborene eingeschlossen.</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>l(x)</source>
        <translation>l(x)</translation>
    </message>
    <message>
        <source>d(x)</source>
        <translation>d(x)</translation>
    </message>
    <message>
        <source>q(x)</source>
        <translation>q(x)</translation>
    </message>
    <message>
        <source>p(x)</source>
        <translation>p(x)</translation>
    </message>
    <message>
        <source>L(x)</source>
        <translation>L(x)</translation>
    </message>
    <message>
        <source>T(x)</source>
        <translation>T(x)</translation>
    </message>
    <message>
        <source>e(x)</source>
        <translation>e(x)</translation>
    </message>
    <message>
        <source>m(x)</source>
        <translation>m(x)</translation>
    </message>
    <message>
        <source>l(x) m(x)</source>
        <translation>l(x) m(x)</translation>
    </message>
    <message>
        <source>x l(x) m(x)</source>
        <translation>x l(x) m(x)</translation>
    </message>
    <message>
        <source>Net reproductive rate R0 = Σ l(x) m(x) = %1;   cohort generation time Tc = Σ x l(x) m(x) / R0 = %2;   life expectancy at birth e(0) = %3.</source>
        <translation>Nettoreproduktionsrate R0 = Σ l(x) m(x) = %1;   Kohorten-Generationszeit Tc = Σ x l(x) m(x) / R0 = %2;   Lebenserwartung bei Geburt e(0) = %3.</translation>
    </message>
    <message>
        <source>not defined, as R0 = 0</source>
        <translation>nicht definiert, da R0 = 0</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::MainWindow</name>
    <message>
        <source>Free edition %1 for classes</source>
        <translation>Freie Ausgabe %1 für Klassen</translation>
    </message>
    <message>
        <source>Red: fecundities
Blue: survival rates
Project: N(t+1) = M x N(t)
Transit: N(t+1) becomes N(t)
Graph: from step 4 on</source>
        <translation>Rot: Fekunditäten
Blau: Überlebensraten
Rechnen: N(t+1) = M x N(t)
Weiter: N(t+1) wird N(t)
Grafik: ab Schritt 4</translation>
    </message>
    <message>
        <source>Dalvo-Leslie Matrix</source>
        <translation>Dalvo-Leslie Matrix</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Matrix projection</source>
        <translation>Matrixprojektion</translation>
    </message>
    <message>
        <source>Matrix row %1, column %2</source>
        <translation>Matrix Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>N(t) of age class %1</source>
        <translation>N(t) der Altersklasse %1</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>N(t+1) of age class %1</source>
        <translation>N(t+1) der Altersklasse %1</translation>
    </message>
    <message>
        <source>Calculate the age structure for next time interval</source>
        <translation>Altersstruktur des nächsten Zeitintervalls berechnen</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Outlook</source>
        <translation>Ausblick</translation>
    </message>
    <message>
        <source>Long-term outlook (Ctrl+L)</source>
        <translation>Langfristiger Ausblick (Strg+L)</translation>
    </message>
    <message>
        <source>Total =</source>
        <translation>Ges. =</translation>
    </message>
    <message>
        <source>Total of N(t)</source>
        <translation>Summe von N(t)</translation>
    </message>
    <message>
        <source>Total of N(t+1)</source>
        <translation>Summe von N(t+1)</translation>
    </message>
    <message>
        <source>t =</source>
        <translation>t =</translation>
    </message>
    <message>
        <source>Step t</source>
        <translation>Schritt t</translation>
    </message>
    <message>
        <source>Step t+1</source>
        <translation>Schritt t+1</translation>
    </message>
    <message>
        <source>Growth rate =</source>
        <translation>Zuwachsrate =</translation>
    </message>
    <message>
        <source>Growth rate</source>
        <translation>Zuwachsrate</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Rechnen</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Projektion</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Übergang</translation>
    </message>
    <message>
        <source>How To</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>How to</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Theorie</translation>
    </message>
    <message>
        <source>P</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Diese Seite drucken</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Save graphic data</source>
        <translation>Grafikdaten speichern</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Show graph</source>
        <translation>Grafik zeigen</translation>
    </message>
    <message>
        <source>Change default values</source>
        <translation>Werte ändern</translation>
    </message>
    <message>
        <source>Modify default data</source>
        <translation>Voreingestellte Daten ändern</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Show detail data</source>
        <translation>Einzeldaten zeigen</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quizfragen</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Batch projection from a data file</source>
        <translation>Stapelprojektion aus einer Datendatei</translation>
    </message>
    <message>
        <source>Own population</source>
        <translation>Eigene Daten</translation>
    </message>
    <message>
        <source>A population of your own: any number of classes, or a life table (Ctrl+O opens a file)</source>
        <translation>Eine eigene Population: beliebig viele Klassen oder eine Lebenstafel (Strg+O öffnet eine Datei)</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::NewRunEditor</name>
    <message>
        <source>明辨是非，格物致知。</source>
        <translation>明辨是非，格物致知。</translation>
    </message>
    <message>
        <source>Survival rate must be &lt;=1. Press Try Again to enter new data.</source>
        <translation>Die Überlebensrate muss &lt;=1 sein. „Nochmal“ für neue Daten.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Nochmal</translation>
    </message>
    <message>
        <source>Matrix row %1, column %2</source>
        <translation>Matrix Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>N(0) of age class %1</source>
        <translation>N(0) der Altersklasse %1</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Change default values</source>
        <translation>Startwerte ändern</translation>
    </message>
    <message>
        <source>Fecundity must be &gt;=0. Press Try Again to enter new data.</source>
        <translation>Die Fekundität muss &gt;=0 sein. „Nochmal“ für neue Daten.</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::OutlookTab</name>
    <message>
        <source>By age</source>
        <translation>Nach Alter</translation>
    </message>
    <message>
        <source>Stable age distribution and reproductive values</source>
        <translation>Stabile Altersverteilung und reproduktive Werte</translation>
    </message>
    <message>
        <source>Sensitivity of λ to each entry of the matrix</source>
        <translation>Sensitivität von λ für jeden Eintrag der Matrix</translation>
    </message>
    <message>
        <source>Sensitivities of lambda</source>
        <translation>Sensitivitäten von Lambda</translation>
    </message>
    <message>
        <source>Elasticity of λ (the elasticities add up to 1)</source>
        <translation>Elastizität von λ (die Elastizitäten ergeben zusammen 1)</translation>
    </message>
    <message>
        <source>Elasticities of lambda</source>
        <translation>Elastizitäten von Lambda</translation>
    </message>
    <message>
        <source>Stable age distribution, reproductive values, sensitivities and elasticities by age</source>
        <translation>Stabile Altersverteilung, reproduktive Werte, Sensitivitäten und Elastizitäten nach Alter</translation>
    </message>
    <message>
        <source>Stable
distribution w</source>
        <translation>Stabile
Verteilung w</translation>
    </message>
    <message>
        <source>Reproductive
value v</source>
        <translation>Reproduktiver
Wert v</translation>
    </message>
    <message>
        <source>Sensitivity
to F(x)</source>
        <translation>Sensitivität
für F(x)</translation>
    </message>
    <message>
        <source>Sensitivity
to P(x)</source>
        <translation>Sensitivität
für P(x)</translation>
    </message>
    <message>
        <source>Elasticity
of F(x)</source>
        <translation>Elastizität
von F(x)</translation>
    </message>
    <message>
        <source>Elasticity
of P(x)</source>
        <translation>Elastizität
von P(x)</translation>
    </message>
    <message>
        <source>The textbook shortcut λ ≈ exp(ln R0 / Tc) needs R0 and Tc above 0.</source>
        <translation>Die Lehrbuch-Näherung λ ≈ exp(ln R0 / Tc) braucht R0 und Tc über 0.</translation>
    </message>
    <message>
        <source>The textbook shortcut λ ≈ exp(ln R0 / Tc) gives %1.</source>
        <translation>Die Lehrbuch-Näherung λ ≈ exp(ln R0 / Tc) ergibt %1.</translation>
    </message>
    <message>
        <source>The textbook shortcut λ ≈ exp(ln R0 / Tc) gives %1, the same as λ to six digits.</source>
        <translation>Die Lehrbuch-Näherung λ ≈ exp(ln R0 / Tc) ergibt %1, auf sechs Stellen gleich λ.</translation>
    </message>
    <message>
        <source>The textbook shortcut λ ≈ exp(ln R0 / Tc) gives %1, which is %2 % below λ.</source>
        <translation>Die Lehrbuch-Näherung λ ≈ exp(ln R0 / Tc) ergibt %1, also %2 % weniger als λ.</translation>
    </message>
    <message>
        <source>The textbook shortcut λ ≈ exp(ln R0 / Tc) gives %1, which is %2 % above λ.</source>
        <translation>Die Lehrbuch-Näherung λ ≈ exp(ln R0 / Tc) ergibt %1, also %2 % mehr als λ.</translation>
    </message>
    <message>
        <source>not defined</source>
        <translation>nicht definiert</translation>
    </message>
    <message>
        <source>Cohort generation time
Tc = Σ x l(x) m(x) / R0 = %1
The mean age at which the newborns of one cohort have their young.</source>
        <translation>Kohorten-Generationszeit
Tc = Σ x l(x) m(x) / R0 = %1
Das mittlere Alter, in dem die Neugeborenen einer Kohorte ihre Jungen bekommen.</translation>
    </message>
    <message>
        <source>Generation time from growth
ln R0 / ln λ = %1
The time the stable population takes to change by the factor R0.</source>
        <translation>Generationszeit aus dem Wachstum
ln R0 / ln λ = %1
Die Zeit, in der sich die stabile Population um den Faktor R0 ändert.</translation>
    </message>
    <message>
        <source>Mean age of mothers = %1
The mean age of the mothers of one interval&apos;s young in the stable population.</source>
        <translation>Mittleres Alter der Mütter = %1
Das mittlere Alter der Mütter der Jungen eines Intervalls in der stabilen Population.</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::OutlookWindow</name>
    <message>
        <source>By age</source>
        <translation>Nach Alter</translation>
    </message>
    <message>
        <source>Stable age distribution and reproductive values</source>
        <translation>Stabile Altersverteilung und reproduktive Werte</translation>
    </message>
    <message>
        <source>The sensitivity of λ to an entry of the matrix says how much λ changes when that entry changes by a small amount; the elasticity says the same in proportions: by what share λ changes when the entry changes by a small share. Empty cells are not part of a Leslie matrix.</source>
        <translation>Die Sensitivität von λ für einen Eintrag der Matrix gibt an, wie stark sich λ ändert, wenn sich dieser Eintrag um einen kleinen Betrag ändert; die Elastizität sagt dasselbe in Anteilen: um welchen Anteil sich λ ändert, wenn sich der Eintrag um einen kleinen Anteil ändert. Leere Zellen gehören nicht zu einer Leslie-Matrix.</translation>
    </message>
    <message>
        <source>Sensitivity of λ to each entry of the matrix</source>
        <translation>Sensitivität von λ für jeden Eintrag der Matrix</translation>
    </message>
    <message>
        <source>Sensitivities of lambda</source>
        <translation>Sensitivitäten von Lambda</translation>
    </message>
    <message>
        <source>Elasticity of λ (the elasticities add up to 1)</source>
        <translation>Elastizität von λ (die Elastizitäten ergeben zusammen 1)</translation>
    </message>
    <message>
        <source>Elasticities of lambda</source>
        <translation>Elastizitäten von Lambda</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Diese Seite drucken</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the analysis (Ctrl+S)</source>
        <translation>Analyse speichern (Strg+S)</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Back to the main window (Esc)</source>
        <translation>Zurück zum Hauptfenster (Esc)</translation>
    </message>
    <message>
        <source>Long-term outlook</source>
        <translation>Langfristiger Ausblick</translation>
    </message>
    <message>
        <source>Stable
distribution</source>
        <translation>Stabile
Verteilung</translation>
    </message>
    <message>
        <source>Reproductive
value</source>
        <translation>Reproduktiver
Wert</translation>
    </message>
    <message>
        <source>Age %1</source>
        <translation>Alter %1</translation>
    </message>
    <message>
        <source>The long-term outlook cannot be worked out.</source>
        <translation>Der langfristige Ausblick lässt sich nicht berechnen.</translation>
    </message>
    <message>
        <source>By age: empty, as λ = 0</source>
        <translation>Nach Alter: leer, da λ = 0</translation>
    </message>
    <message>
        <source>Sensitivity of λ: empty, as λ = 0</source>
        <translation>Sensitivität von λ: leer, da λ = 0</translation>
    </message>
    <message>
        <source>Elasticity of λ: empty, as λ = 0</source>
        <translation>Elastizität von λ: leer, da λ = 0</translation>
    </message>
    <message>
        <source>λ = 0</source>
        <translation>λ = 0</translation>
    </message>
    <message>
        <source>No age class both lives long enough and has young: the population dies out within %1 time intervals, whatever its start.</source>
        <translation>Keine Altersklasse lebt lange genug und hat Junge: Die Population stirbt binnen %1 Zeitintervallen aus, gleich wie sie beginnt.</translation>
    </message>
    <message>
        <source>Net reproductive rate R0 = 0.</source>
        <translation>Nettoreproduktionsrate R0 = 0.</translation>
    </message>
    <message>
        <source>λ = %1, and r = ln λ = %2</source>
        <translation>λ = %1 und r = ln λ = %2</translation>
    </message>
    <message>
        <source>But no one in this start will ever have young, so this start dies out within %1 intervals, whatever λ says.</source>
        <translation>Doch niemand in diesem Bestand bekommt je Junge: Er stirbt binnen %1 Intervallen aus, gleich was λ sagt.</translation>
    </message>
    <message>
        <source>Net reproductive rate R0 = %1; generation time %2 intervals. Each newborn leaves on average %1 newborns in its life, and in one generation time the population changes by the factor R0.</source>
        <translation>Nettoreproduktionsrate R0 = %1, Generationszeit %2 Intervalle: Jedes Neugeborene hat im Mittel %1 Nachkommen, und je Generationszeit ändert sich die Population um den Faktor R0.</translation>
    </message>
    <message>
        <source>a thousand</source>
        <translation>tausend</translation>
    </message>
    <message>
        <source>ten thousand</source>
        <translation>zehntausend</translation>
    </message>
    <message>
        <source>a hundred thousand</source>
        <translation>hunderttausend</translation>
    </message>
    <message>
        <source>a million</source>
        <translation>eine Million</translation>
    </message>
    <message>
        <source>ten million</source>
        <translation>zehn Millionen</translation>
    </message>
    <message>
        <source>a hundred million</source>
        <translation>hundert Millionen</translation>
    </message>
    <message>
        <source>a billion</source>
        <translation>eine Milliarde</translation>
    </message>
    <message>
        <source>ten billion</source>
        <translation>zehn Milliarden</translation>
    </message>
    <message>
        <source>a hundred billion</source>
        <translation>hundert Milliarden</translation>
    </message>
    <message>
        <source>a trillion</source>
        <translation>eine Billion</translation>
    </message>
    <message>
        <source>ten trillion</source>
        <translation>zehn Billionen</translation>
    </message>
    <message>
        <source>a hundred trillion</source>
        <translation>hundert Billionen</translation>
    </message>
    <message>
        <source>ten to the power %1</source>
        <translation>zehn hoch %1</translation>
    </message>
    <message>
        <source>In the long run the population multiplies by about %1 each time interval.</source>
        <translation>Langfristig vervielfacht sich die Population je Zeitintervall etwa um den Faktor %1.</translation>
    </message>
    <message>
        <source>In the long run the population grows by %1 % per time interval and doubles every %2 intervals.</source>
        <translation>Langfristig wächst die Population um %1 % je Zeitintervall und verdoppelt sich alle %2 Intervalle.</translation>
    </message>
    <message>
        <source>In the long run the population shrinks by %1 % per time interval and halves every %2 intervals: it dies out.</source>
        <translation>Langfristig schrumpft die Population um %1 % je Zeitintervall und halbiert sich alle %2 Intervalle: Sie stirbt aus.</translation>
    </message>
    <message>
        <source>In the long run the population shrinks to about %1 % of its size each time interval: it dies out.</source>
        <translation>Langfristig schrumpft die Population in jedem Zeitintervall auf etwa %1 % ihrer Größe: Sie stirbt aus.</translation>
    </message>
    <message>
        <source>In the long run the population keeps its size.</source>
        <translation>Langfristig behält die Population ihre Größe.</translation>
    </message>
    <message>
        <source>The numbers cycle with period %1: the growth rate and the age distribution never settle but repeat every %1 intervals, while the population changes on average by the factor λ each interval.</source>
        <translation>Die Zahlen schwanken mit der Periode %1: Zuwachsrate und Altersverteilung pendeln sich nie ein, sondern wiederholen sich alle %1 Intervalle, während sich die Population je Intervall im Mittel um den Faktor λ ändert.</translation>
    </message>
    <message>
        <source>Differences from the stable distribution shrink by a factor %1 each interval; the numbers alternate up and down from one interval to the next while they settle.</source>
        <translation>Abweichungen von der stabilen Verteilung schrumpfen je Intervall um den Faktor %1; die Zahlen springen von Intervall zu Intervall auf und ab, während sie sich einpendeln.</translation>
    </message>
    <message>
        <source>Differences from the stable distribution shrink by a factor %1 each interval; they swing with a period of about %2 intervals.</source>
        <translation>Abweichungen von der stabilen Verteilung schrumpfen je Intervall um den Faktor %1; sie schwingen mit einer Periode von etwa %2 Intervallen.</translation>
    </message>
    <message>
        <source>Differences from the stable distribution shrink by a factor %1 each interval, without swinging.</source>
        <translation>Abweichungen von der stabilen Verteilung schrumpfen je Intervall um den Faktor %1, ohne zu schwingen.</translation>
    </message>
    <message>
        <source>Only the youngest class has young, so the age distribution is stable after at most %1 intervals, whatever the start.</source>
        <translation>Nur die jüngste Klasse hat Nachkommen, daher ist die Altersverteilung nach höchstens %1 Intervallen stabil, gleich wie sie beginnt.</translation>
    </message>
    <message>
        <source>Only the youngest class has young that ever reach an age to count, so the age distribution is stable after at most %1 intervals, whatever the start.</source>
        <translation>Nur die Nachkommen der jüngsten Klasse erreichen je ein Alter, das zählt, daher ist die Altersverteilung nach höchstens %1 Intervallen stabil, gleich wie sie beginnt.</translation>
    </message>
    <message>
        <source>That is very slow: the differences take about %1 intervals to shrink to a tenth.</source>
        <translation>Das ist sehr langsam: Die Abweichungen schrumpfen erst in etwa %1 Intervallen auf ein Zehntel.</translation>
    </message>
    <message>
        <source>The matrix has no eigenvalue besides λ.</source>
        <translation>Die Matrix hat außer λ keinen Eigenwert.</translation>
    </message>
    <message>
        <source>The next largest eigenvalue is λ2 = %1, with |λ2| = %2; the damping ratio is λ&#xa0;/&#xa0;|λ2| = %3&#xa0;/&#xa0;%2 = %4.</source>
        <translation>Der nächstgrößte Eigenwert ist λ2 = %1 mit |λ2| = %2; das Dämpfungsverhältnis ist λ&#xa0;/&#xa0;|λ2| = %3&#xa0;/&#xa0;%2 = %4.</translation>
    </message>
    <message>
        <source>The next largest eigenvalue is λ2 = %1, with |λ2| = %2 = λ: nothing damps the cycle.</source>
        <translation>Der nächstgrößte Eigenwert ist λ2 = %1 mit |λ2| = %2 = λ: Nichts dämpft den Zyklus.</translation>
    </message>
    <message>
        <source>Every other eigenvalue is 0.</source>
        <translation>Alle anderen Eigenwerte sind 0.</translation>
    </message>
    <message>
        <source>Worked out from the matrix with F = (%1) and P = (%2).</source>
        <translation>Berechnet aus der Matrix mit F = (%1) und P = (%2).</translation>
    </message>
    <message>
        <source>Worked out from the matrix with F = (%1) and P = (%2), for the start N(0) = (%3).</source>
        <translation>Berechnet aus der Matrix mit F = (%1) und P = (%2), für den Anfangsbestand N(0) = (%3).</translation>
    </message>
    <message>
        <source>%1 + %2i</source>
        <translation>%1 + %2i</translation>
    </message>
    <message>
        <source>%1 − %2i</source>
        <translation>%1 − %2i</translation>
    </message>
    <message>
        <source>Analysis.txt</source>
        <translation>Analyse.txt</translation>
    </message>
    <message>
        <source>The analysis was not saved. %1 Choose another folder or file name and save again.</source>
        <translation>Die Analyse wurde nicht gespeichert. %1 Wählen Sie einen anderen Ordner oder Dateinamen und speichern Sie erneut.</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::OwnPopulationWindow</name>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Open a data file or a life table (Ctrl+O)</source>
        <translation>Eine Datendatei oder Lebenstafel öffnen (Strg+O)</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>Use in the main window</source>
        <translation>Im Hauptfenster verwenden</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Diese Seite drucken</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Back to the main window (Esc)</source>
        <translation>Zurück zum Hauptfenster (Esc)</translation>
    </message>
    <message>
        <source>Own population</source>
        <translation>Eigene Population</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Projektion</translation>
    </message>
    <message>
        <source>Outlook</source>
        <translation>Ausblick</translation>
    </message>
    <message>
        <source>Life table</source>
        <translation>Lebenstafel</translation>
    </message>
    <message>
        <source>Ctrl+%1</source>
        <translation>Strg+%1</translation>
    </message>
    <message>
        <source>λ stays %1.</source>
        <translation>λ bleibt %1.</translation>
    </message>
    <message>
        <source>λ cannot be worked out for this matrix.</source>
        <translation>λ lässt sich für diese Matrix nicht berechnen.</translation>
    </message>
    <message>
        <source>λ went from %1 to %2 (%3).</source>
        <translation>λ ging von %1 auf %2 (%3).</translation>
    </message>
    <message>
        <source>λ went from %1 to %2 (%3); its sensitivity to this entry predicted %4.</source>
        <translation>λ ging von %1 auf %2 (%3); seine Sensitivität für diesen Eintrag sagte %4 voraus.</translation>
    </message>
    <message>
        <source>λ went from %1 to %2 (%3); the sensitivities to the changed entries predicted %4.</source>
        <translation>λ ging von %1 auf %2 (%3); die Sensitivitäten für die geänderten Einträge sagten %4 voraus.</translation>
    </message>
    <message>
        <source>Open the default-values editor with this matrix and N(0); OK starts the run in the main window.</source>
        <translation>Öffnet den Editor der Startwerte mit dieser Matrix und N(0); OK startet den Lauf im Hauptfenster.</translation>
    </message>
    <message>
        <source>The main window holds a matrix of exactly 4 classes; this one has %1.</source>
        <translation>Das Hauptfenster fasst eine Matrix mit genau 4 Klassen; diese hat %1.</translation>
    </message>
    <message>
        <source>The file could not be read. %1 Choose another file.</source>
        <translation>Die Datei konnte nicht gelesen werden. %1 Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>The file is too large to be a population.</source>
        <translation>Die Datei ist zu groß für eine Population.</translation>
    </message>
    <message>
        <source>This file holds no population the program can read. %1 Open a data file (title, matrix, N(0), steps) or a life table with the columns x, lx and mx.</source>
        <translation>Diese Datei enthält keine Population, die das Programm lesen kann. %1 Öffnen Sie eine Datendatei (Titel, Matrix, N(0), Schritte) oder eine Lebenstafel mit den Spalten x, lx und mx.</translation>
    </message>
    <message>
        <source>Population.txt</source>
        <translation>Population.txt</translation>
    </message>
    <message>
        <source>The analysis was not saved: %1 Change the matrix, or save a data file instead.</source>
        <translation>Die Analyse wurde nicht gespeichert: %1 Ändern Sie die Matrix oder speichern Sie stattdessen eine Datendatei.</translation>
    </message>
    <message>
        <source>The file was not saved. %1 Choose another folder or file name and save again.</source>
        <translation>Die Datei wurde nicht gespeichert. %1 Wählen Sie einen anderen Ordner oder Dateinamen und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>Both censuses give λ = %1; the stable distribution and the reproductive values differ, because they describe the population at another moment of the year.</source>
        <translation>Beide Zählweisen ergeben λ = %1; stabile Verteilung und reproduktive Werte unterscheiden sich, weil sie die Population zu einem anderen Zeitpunkt im Jahr beschreiben.</translation>
    </message>
    <message>
        <source>Save a data file, a life table (name.csv), the analysis (name-Analysis.txt) or the runs with chance (name-Chance.txt) (Ctrl+S)</source>
        <translation>Eine Datendatei, eine Lebenstafel (name.csv), die Analyse (name-Analysis.txt) oder die Läufe mit Zufall (name-Chance.txt) speichern (Strg+S)</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Zufall</translation>
    </message>
    <message>
        <source>There are no runs with chance to save: the Chance tab (Ctrl+4) has none of this population. Press Run there, then save again.</source>
        <translation>Es gibt keine Läufe mit Zufall zu speichern: Die Seite „Zufall“ (Strg+4) hat keine für diese Population. Drücken Sie dort „Starten“ und speichern Sie dann erneut.</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::PagePrinter</name>
    <message>
        <source>No printer is set up on this computer, so the page was not printed.</source>
        <translation>Auf diesem Computer ist kein Drucker eingerichtet, daher wurde die Seite nicht gedruckt.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not print the page.</source>
        <translation>Der Drucker „%1“ konnte die Seite nicht drucken.</translation>
    </message>
    <message>
        <source>

Save the page as a PDF file instead?</source>
        <translation>

Die Seite stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>page.pdf</source>
        <translation>Seite.pdf</translation>
    </message>
    <message>
        <source>Dalvo-Leslie Matrix</source>
        <translation>Dalvo-Leslie Matrix</translation>
    </message>
    <message>
        <source>The page could not be drawn into &quot;%1&quot;.</source>
        <translation>Die Seite konnte nicht in „%1“ gezeichnet werden.</translation>
    </message>
    <message>
        <source>The page could not be saved: %1
Choose another folder or file name.</source>
        <translation>Die Seite konnte nicht gespeichert werden: %1
Wählen Sie einen anderen Ordner oder Dateinamen.</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::PopulationEntry</name>
    <message>
        <source>&amp;Matrix</source>
        <translation>&amp;Matrix</translation>
    </message>
    <message>
        <source>&amp;Life table</source>
        <translation>&amp;Lebenstafel</translation>
    </message>
    <message>
        <source>Pr&amp;e-breeding census</source>
        <translation>Zählung &amp;vor der Fortpflanzung</translation>
    </message>
    <message>
        <source>P&amp;ost-breeding census</source>
        <translation>Zählung &amp;nach der Fortpflanzung</translation>
    </message>
    <message>
        <source>Population by age</source>
        <translation>Population nach Alter</translation>
    </message>
    <message>
        <source>Add a row</source>
        <translation>Zeile anfügen</translation>
    </message>
    <message>
        <source>Add an age at the end</source>
        <translation>Ein Alter am Ende anfügen</translation>
    </message>
    <message>
        <source>Remove a row</source>
        <translation>Zeile entfernen</translation>
    </message>
    <message>
        <source>Remove the selected row</source>
        <translation>Die gewählte Zeile entfernen</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>l(x)</source>
        <translation>l(x)</translation>
    </message>
    <message>
        <source>m(x)</source>
        <translation>m(x)</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>F(x)</source>
        <translation>F(x)</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>P(x)</source>
        <translation>P(x)</translation>
    </message>
    <message>
        <source>N(0)</source>
        <translation>N(0)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number: type one such as %2.</source>
        <translation>„%1“ ist keine Zahl: Geben Sie eine Zahl wie %2 ein.</translation>
    </message>
    <message>
        <source>l(0) is 1: every newborn is alive at age 0.</source>
        <translation>l(0) ist 1: Jedes Neugeborene lebt im Alter 0.</translation>
    </message>
    <message>
        <source>l(%1) must lie between 0 and 1: it is the share of newborns alive at age %1.</source>
        <translation>l(%1) muss zwischen 0 und 1 liegen: Es ist der Anteil der Neugeborenen, der im Alter %1 noch lebt.</translation>
    </message>
    <message>
        <source>m(%1) cannot be negative: it counts young.</source>
        <translation>m(%1) kann nicht negativ sein: Es zählt Junge.</translation>
    </message>
    <message>
        <source>F(%1) cannot be negative: it counts young.</source>
        <translation>F(%1) kann nicht negativ sein: Es zählt Junge.</translation>
    </message>
    <message>
        <source>P(%1) must lie between 0 and 1: it is the share that survives.</source>
        <translation>P(%1) muss zwischen 0 und 1 liegen: Es ist der Anteil, der überlebt.</translation>
    </message>
    <message>
        <source>N(0) of class %1 cannot be negative.</source>
        <translation>N(0) der Klasse %1 kann nicht negativ sein.</translation>
    </message>
    <message>
        <source>Correct the red cell first, or type its old value again.</source>
        <translation>Berichtigen Sie zuerst die rote Zelle oder geben Sie ihren alten Wert wieder ein.</translation>
    </message>
    <message>
        <source>This matrix makes no life table: %1</source>
        <translation>Aus dieser Matrix wird keine Lebenstafel: %1</translation>
    </message>
    <message>
        <source>The table holds at most %1 rows.</source>
        <translation>Die Tabelle fasst höchstens %1 Zeilen.</translation>
    </message>
    <message numerus="yes">
        <source>The table needs at least %n row(s).</source>
        <translation>
            <numerusform>Die Tabelle braucht mindestens %n Zeile.</numerusform>
            <numerusform>Die Tabelle braucht mindestens %n Zeilen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The table holds at most %1 rows: nothing was pasted.</source>
        <translation>Die Tabelle fasst höchstens %1 Zeilen: Es wurde nichts eingefügt.</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::ProjectionTab</name>
    <message>
        <source>Steps:</source>
        <translation>Schritte:</translation>
    </message>
    <message>
        <source>How many time intervals to project, at most 1000 (Enter takes it)</source>
        <translation>Wie viele Zeitintervalle projiziert werden, höchstens 1000 (Eingabetaste übernimmt)</translation>
    </message>
    <message>
        <source>Classes drawn:</source>
        <translation>Klassen:</translation>
    </message>
    <message>
        <source>The classes the age distribution draws one by one, such as 0-3, 10, 20</source>
        <translation>Die Klassen, die die Altersverteilung einzeln zeichnet, etwa 0-3, 10, 20</translation>
    </message>
    <message>
        <source>Log scale</source>
        <translation>Log-Skala</translation>
    </message>
    <message>
        <source>Logarithmic axis for the total</source>
        <translation>Logarithmische Achse für die Summe</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>The run&apos;s numbers as a table in place of the charts; Ctrl+C copies them for a spreadsheet</source>
        <translation>Die Zahlen des Laufs als Tabelle statt der Diagramme; Strg+C kopiert sie für eine Tabellenkalkulation</translation>
    </message>
    <message>
        <source>Total population</source>
        <translation>Gesamtpopulation</translation>
    </message>
    <message>
        <source>Growth rate</source>
        <translation>Zuwachsrate</translation>
    </message>
    <message>
        <source>Age distribution</source>
        <translation>Altersverteilung</translation>
    </message>
    <message>
        <source>Distance from the stable distribution</source>
        <translation>Abstand von der stabilen Verteilung</translation>
    </message>
    <message>
        <source>The run&apos;s numbers by step</source>
        <translation>Die Zahlen des Laufs nach Schritt</translation>
    </message>
    <message>
        <source>Steps must be a whole number from 1 to %1.</source>
        <translation>Die Schritte müssen eine ganze Zahl von 1 bis %1 sein.</translation>
    </message>
    <message>
        <source>Classes drawn: %1</source>
        <translation>Gezeichnete Klassen: %1</translation>
    </message>
    <message>
        <source>t</source>
        <translation>t</translation>
    </message>
    <message>
        <source>N%1(t)</source>
        <translation>N%1(t)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::QuizWindow</name>
    <message>
        <source>Quiz questions</source>
        <translation>Quizfragen</translation>
    </message>
    <message>
        <source>Back to the mainform</source>
        <translation>Zurück zum Hauptfenster</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quizfragen</translation>
    </message>
    <message>
        <source>quiz_picture.png</source>
        <extracomment>The picture of the questions in this language, one of the program&apos;s assets.</extracomment>
        <translation>quiz_picture_de.png</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::ReferencesWindow</name>
    <message>
        <source>Birch, L. C. 1948. The intrinsic rate of natural increase of an insect population. </source>
        <translation>Birch, L. C. 1948. The intrinsic rate of natural increase of an insect population. </translation>
    </message>
    <message>
        <source>Journal of Animal Ecology 17: 15-26.</source>
        <translation>Journal of Animal Ecology 17: 15-26.</translation>
    </message>
    <message>
        <source>Southwood, T. R. E. 1978. </source>
        <translation>Southwood, T. R. E. 1978. </translation>
    </message>
    <message>
        <source>Ecological Methods, with Particular Reference to the Study of Insect Populations. </source>
        <translation>Ecological Methods, with Particular Reference to the Study of Insect Populations. </translation>
    </message>
    <message>
        <source>2nd edition. Chapman and Hall, London.</source>
        <translation>2. Auflage. Chapman and Hall, London.</translation>
    </message>
    <message>
        <source>Leslie, P. H. 1945. On the use of matrices in certain population mathematics. </source>
        <translation>Leslie, P. H. 1945. On the use of matrices in certain population mathematics. </translation>
    </message>
    <message>
        <source>Biometrika 33: 183-212.</source>
        <translation>Biometrika 33: 183-212.</translation>
    </message>
    <message>
        <source>Leslie, P. H. 1948. Some further notes on the use of matrices in population mathematics. </source>
        <translation>Leslie, P. H. 1948. Some further notes on the use of matrices in population mathematics. </translation>
    </message>
    <message>
        <source>Biometrika 35: 213-245.</source>
        <translation>Biometrika 35: 213-245.</translation>
    </message>
    <message>
        <source>Caswell, H. 2001. Matrix Population Models: Construction, Analysis, and Interpretation. </source>
        <translation>Caswell, H. 2001. Matrix Population Models: Construction, Analysis, and Interpretation. </translation>
    </message>
    <message>
        <source>2nd edition. Sinauer Associates, Sunderland, Massachusetts.</source>
        <translation>2. Auflage. Sinauer Associates, Sunderland, Massachusetts.</translation>
    </message>
    <message>
        <source>Strang, G. 1988. Linear Algebra and Its Applications. </source>
        <translation>Strang, G. 1988. Linear Algebra and Its Applications. </translation>
    </message>
    <message>
        <source>3rd edition. Harcourt Brace Jovanovich, San Diego.</source>
        <translation>3. Auflage. Harcourt Brace Jovanovich, San Diego.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Literatur</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::TableWindow</name>
    <message>
        <source>Age structure and growth rate table</source>
        <translation>Tabelle der Altersstruktur und Zuwachsrate</translation>
    </message>
    <message>
        <source>Show age distribution</source>
        <translation>Altersverteilung zeigen</translation>
    </message>
    <message>
        <source>Print this page</source>
        <translation>Diese Seite drucken</translation>
    </message>
    <message>
        <source>Back to the main form</source>
        <translation>Zurück zum Hauptfenster</translation>
    </message>
    <message>
        <source>Age distribution table</source>
        <translation>Tabelle der Altersverteilung</translation>
    </message>
    <message>
        <source>Show age structure</source>
        <translation>Altersstruktur zeigen</translation>
    </message>
    <message>
        <source>Age structure and growth rate</source>
        <translation>Altersstruktur und Zuwachsrate</translation>
    </message>
    <message>
        <source>Age distribution</source>
        <translation>Altersverteilung</translation>
    </message>
</context>
<context>
    <name>dalvo::ui::TitleWindow</name>
    <message>
        <source>Leslie</source>
        <translation>Leslie</translation>
    </message>
    <message>
        <source>Dalvo</source>
        <translation>Dalvo</translation>
    </message>
    <message>
        <source>Press any key or click mouse to start.</source>
        <translation>Zum Start Taste drücken oder klicken.</translation>
    </message>
    <message>
        <source>Titleform</source>
        <translation>Titleform</translation>
    </message>
</context>
</TS>
