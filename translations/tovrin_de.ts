<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutForm</name>
    <message>
        <source>About Tovrin</source>
        <translation>Über Tovrin</translation>
    </message>
    <message>
        <source>Tovrin
Version %1

A pocket calculator for the desktop.
Copyright © The Tovrin developers</source>
        <translation>Tovrin
Version %1

Ein Taschenrechner für den Desktop.
Copyright © Die Tovrin-Entwickler</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>Keypad</source>
        <translation>Tastenfeld</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader says for a value and its name: &quot;X: 1,234.5 ft&quot;, &quot;Register 13: error&quot;. %1 is the name, %2 the value.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>AdvancedDisplay</name>
    <message>
        <source>X</source>
        <extracomment>The display&apos;s name for a screen reader: the X register it shows.</extracomment>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <extracomment>The display&apos;s second line for a screen reader: the Y register.</extracomment>
        <translation>Y</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>What a screen reader says for a display of two lines: %1 is X, %2 is Y.</extracomment>
        <translation>%1; %2</translation>
    </message>
</context>
<context>
    <name>CalculatorForm</name>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Financial</source>
        <translation>Finanzen</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Wissenschaftlich</translation>
    </message>
    <message>
        <source>Statistical</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Programmer</source>
        <translation>Programmierer</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Umrechnung</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Tovrin</source>
        <translation>Tovrin</translation>
    </message>
    <message>
        <source>copy</source>
        <extracomment>The name of the Copy icon&apos;s picture, not a text: keep it as it is.</extracomment>
        <translation>copy</translation>
    </message>
    <message>
        <source>paste</source>
        <extracomment>The name of the Paste icon&apos;s picture, not a text: keep it as it is.</extracomment>
        <translation>paste</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>This operation will
clear the operating
stack and all user,
financial, and
statistical registers.</source>
        <translation>Dieser Vorgang löscht
den Rechenstapel und
alle Benutzer-, Finanz-
und Statistikregister.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Not pasted: the number is too large.</source>
        <translation>Nicht eingefügt: Die Zahl ist zu groß.</translation>
    </message>
    <message>
        <source>Not pasted: the number does not fit the %1 word.</source>
        <translation>Nicht eingefügt: Die Zahl passt nicht in das %1-Wort.</translation>
    </message>
    <message>
        <source>Not pasted: the clipboard holds no single number.</source>
        <translation>Nicht eingefügt: Die Zwischenablage enthält nicht genau eine Zahl.</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>&amp;Rechner</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;RPN Stack...</source>
        <translation>&amp;UPN-Stapel...</translation>
    </message>
    <message>
        <source>&amp;User Registers...</source>
        <translation>Benutzer&amp;register...</translation>
    </message>
    <message>
        <source>&amp;Tape...</source>
        <translation>Rechen&amp;streifen...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Colors...</source>
        <translation>&amp;Farben...</translation>
    </message>
    <message>
        <source>&amp;Keyboard...</source>
        <translation>&amp;Tastatur...</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>Benutzer&amp;handbuch</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tasten</translation>
    </message>
    <message>
        <source>&amp;About Tovrin...</source>
        <translation>Ü&amp;ber Tovrin...</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Nichts rückgängig zu machen.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Nichts wiederherzustellen.</translation>
    </message>
    <message>
        <source>This desktop cannot keep Tovrin above other windows.</source>
        <translation>Diese Arbeitsumgebung kann Tovrin nicht über anderen Fenstern halten.</translation>
    </message>
    <message>
        <source>Statistics &amp;Data...</source>
        <translation>Statistik&amp;daten...</translation>
    </message>
    <message>
        <source>&amp;Loan Schedule...</source>
        <translation>&amp;Tilgungsplan...</translation>
    </message>
    <message>
        <source>Cash &amp;Flows...</source>
        <translation>&amp;Zahlungsströme...</translation>
    </message>
    <message>
        <source>&amp;Function:</source>
        <translation>&amp;Funktion:</translation>
    </message>
</context>
<context>
    <name>CashFlowModel</name>
    <message>
        <source>Type a value or a count here to add CF%1.</source>
        <translation>Einen Wert oder eine Anzahl eingeben, um CF%1 anzufügen.</translation>
    </message>
    <message>
        <source>CF0 is the flow at the start; it counts once.</source>
        <translation>CF0 ist die Zahlung zu Beginn; sie zählt einmal.</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>A count is a whole number from 0 to 99,999.</source>
        <translation>Eine Anzahl ist eine ganze Zahl von 0 bis 99.999.</translation>
    </message>
    <message>
        <source>The list holds at most 100 flows, CF0 to CF99.</source>
        <translation>Die Liste fasst höchstens 100 Zahlungen, CF0 bis CF99.</translation>
    </message>
    <message>
        <source>There is no such flow.</source>
        <translation>Diese Zahlung gibt es nicht.</translation>
    </message>
    <message>
        <source>“%1” is too large.</source>
        <translation>„%1“ ist zu groß.</translation>
    </message>
    <message>
        <source>“%1” does not fit the %2 word.</source>
        <translation>„%1“ passt nicht in das %2-Wort.</translation>
    </message>
    <message>
        <source>“%1” is not a single number.</source>
        <translation>„%1“ ist nicht genau eine Zahl.</translation>
    </message>
    <message>
        <source>A count of 0 ends the list: CF%1 and the flows after it do not count.</source>
        <translation>Eine Anzahl von 0 beendet die Liste: CF%1 und die Zahlungen danach zählen nicht.</translation>
    </message>
</context>
<context>
    <name>CashFlowsForm</name>
    <message>
        <source>Cash Flows</source>
        <translation>Zahlungsströme</translation>
    </message>
    <message>
        <source>Cash flows</source>
        <translation>Zahlungsströme</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Zeile einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>K&amp;opieren</translation>
    </message>
    <message>
        <source>NPV at I/YR %1: %2</source>
        <translation>NPV bei I/YR %1: %2</translation>
    </message>
    <message>
        <source>IRR/YR: %1</source>
        <translation>IRR/YR: %1</translation>
    </message>
    <message>
        <source>IRR/YR: error, no rate makes the NPV 0</source>
        <translation>IRR/YR: Fehler, kein Zinssatz macht den NPV zu 0</translation>
    </message>
    <message>
        <source>Not pasted: the clipboard holds no numbers.</source>
        <translation>Nicht eingefügt: Die Zwischenablage enthält keine Zahlen.</translation>
    </message>
    <message>
        <source>Not pasted: line %1 has more than two columns.</source>
        <translation>Nicht eingefügt: Zeile %1 hat mehr als zwei Spalten.</translation>
    </message>
    <message>
        <source>Not pasted: line %1, column %2. %3</source>
        <translation>Nicht eingefügt: Zeile %1, Spalte %2. %3</translation>
    </message>
    <message>
        <source>Not pasted: line %1. %2</source>
        <translation>Nicht eingefügt: Zeile %1. %2</translation>
    </message>
    <message>
        <source>Not pasted. %1</source>
        <translation>Nicht eingefügt. %1</translation>
    </message>
</context>
<context>
    <name>ColorDialog</name>
    <message>
        <source>Color Chooser</source>
        <translation>Farbauswahl</translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>Rot:</translation>
    </message>
    <message>
        <source>Green:</source>
        <translation>Grün:</translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation>Blau:</translation>
    </message>
</context>
<context>
    <name>ColorsDialog</name>
    <message>
        <source>Customize Colors</source>
        <translation>Farben anpassen</translation>
    </message>
</context>
<context>
    <name>ColorsPane</name>
    <message>
        <source>Text</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Display:</source>
        <translation>Anzeige:</translation>
    </message>
    <message>
        <source>Standard:</source>
        <translation>Standardtasten:</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Zifferntasten:</translation>
    </message>
    <message>
        <source>Register:</source>
        <translation>Registertasten:</translation>
    </message>
    <message>
        <source>Clear:</source>
        <translation>Löschtasten:</translation>
    </message>
    <message>
        <source>Dialog:</source>
        <translation>Dialog:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standardfarben</translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <source>Zero</source>
        <translation>Null</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Eins</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Hexadecimal digit A</source>
        <translation>Hexadezimalziffer A</translation>
    </message>
    <message>
        <source>Hexadecimal digit B</source>
        <translation>Hexadezimalziffer B</translation>
    </message>
    <message>
        <source>Hexadecimal digit C</source>
        <translation>Hexadezimalziffer C</translation>
    </message>
    <message>
        <source>Hexadecimal digit D</source>
        <translation>Hexadezimalziffer D</translation>
    </message>
    <message>
        <source>Hexadecimal digit E</source>
        <translation>Hexadezimalziffer E</translation>
    </message>
    <message>
        <source>Hexadecimal digit F</source>
        <translation>Hexadezimalziffer F</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Dezimalpunkt</translation>
    </message>
    <message>
        <source>Decimal comma</source>
        <translation>Dezimalkomma</translation>
    </message>
    <message>
        <source>Enter exponent</source>
        <translation>Exponent eingeben</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Vorzeichen wechseln</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Multiply by</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Divide by</source>
        <translation>Geteilt durch</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalten</translation>
    </message>
    <message>
        <source>Show all digits</source>
        <translation>Alle Stellen zeigen</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Eingabe löschen</translation>
    </message>
    <message>
        <source>Clear stack</source>
        <translation>Stapel löschen</translation>
    </message>
    <message>
        <source>Clear X</source>
        <translation>X löschen</translation>
    </message>
    <message>
        <source>Clear all registers</source>
        <translation>Alle Register löschen</translation>
    </message>
    <message>
        <source>Clear financial registers</source>
        <translation>Finanzregister löschen</translation>
    </message>
    <message>
        <source>Clear statistics</source>
        <translation>Statistik löschen</translation>
    </message>
    <message>
        <source>Roll stack down</source>
        <translation>Stapel abwärts rollen</translation>
    </message>
    <message>
        <source>Roll stack up</source>
        <translation>Stapel aufwärts rollen</translation>
    </message>
    <message>
        <source>Drop X</source>
        <translation>X verwerfen</translation>
    </message>
    <message>
        <source>Fill stack with X</source>
        <translation>Stapel mit X füllen</translation>
    </message>
    <message>
        <source>Exchange X and Y</source>
        <translation>X und Y tauschen</translation>
    </message>
    <message>
        <source>Exchange X with register</source>
        <translation>X mit Register tauschen</translation>
    </message>
    <message>
        <source>Last X</source>
        <translation>Letztes X</translation>
    </message>
    <message>
        <source>Store in register</source>
        <translation>In Register speichern</translation>
    </message>
    <message>
        <source>Recall register</source>
        <translation>Register abrufen</translation>
    </message>
    <message>
        <source>Open parenthesis</source>
        <translation>Klammer auf</translation>
    </message>
    <message>
        <source>Close parenthesis</source>
        <translation>Klammer zu</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Speicher löschen</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Zum Speicher addieren</translation>
    </message>
    <message>
        <source>Memory subtract</source>
        <translation>Vom Speicher subtrahieren</translation>
    </message>
    <message>
        <source>Memory store</source>
        <translation>In Speicher ablegen</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Speicher abrufen</translation>
    </message>
    <message>
        <source>Percent of total</source>
        <translation>Prozentanteil</translation>
    </message>
    <message>
        <source>Percent change</source>
        <translation>Prozentuale Änderung</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Round to the display</source>
        <translation>Auf die Anzeige runden</translation>
    </message>
    <message>
        <source>Integer part</source>
        <translation>Ganzzahliger Anteil</translation>
    </message>
    <message>
        <source>Absolute value</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Cube root</source>
        <translation>Kubikwurzel</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Dritte Potenz</translation>
    </message>
    <message>
        <source>Y to the power X</source>
        <translation>Y hoch X</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Kehrwert</translation>
    </message>
    <message>
        <source>Fractional part</source>
        <translation>Nachkommaanteil</translation>
    </message>
    <message>
        <source>Modulo</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Payments at the beginning of periods</source>
        <translation>Zahlungen am Periodenanfang</translation>
    </message>
    <message>
        <source>Number of periods</source>
        <translation>Anzahl der Perioden</translation>
    </message>
    <message>
        <source>Interest rate per year</source>
        <translation>Jahreszinssatz</translation>
    </message>
    <message>
        <source>Present value</source>
        <translation>Barwert</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Future value</source>
        <translation>Endwert</translation>
    </message>
    <message>
        <source>Payments per year</source>
        <translation>Zahlungen pro Jahr</translation>
    </message>
    <message>
        <source>Nominal interest rate</source>
        <translation>Nominalzins</translation>
    </message>
    <message>
        <source>Effective interest rate</source>
        <translation>Effektivzins</translation>
    </message>
    <message>
        <source>Multiply by payments per year</source>
        <translation>Mit Zahlungen pro Jahr multiplizieren</translation>
    </message>
    <message>
        <source>Divide by payments per year</source>
        <translation>Durch Zahlungen pro Jahr dividieren</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Marge</translation>
    </message>
    <message>
        <source>Markup on cost</source>
        <translation>Aufschlag auf die Kosten</translation>
    </message>
    <message>
        <source>Amortize</source>
        <translation>Tilgen</translation>
    </message>
    <message>
        <source>Amortize the next payments</source>
        <translation>Die nächsten Zahlungen tilgen</translation>
    </message>
    <message>
        <source>Cash flow</source>
        <translation>Zahlungsstrom</translation>
    </message>
    <message>
        <source>Times the cash flow occurs</source>
        <translation>Häufigkeit des Zahlungsstroms</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Kapitalwert</translation>
    </message>
    <message>
        <source>Internal rate of return</source>
        <translation>Interner Zinsfuß</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Kosinus</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangens</translation>
    </message>
    <message>
        <source>Arc sine</source>
        <translation>Arkussinus</translation>
    </message>
    <message>
        <source>Arc cosine</source>
        <translation>Arkuskosinus</translation>
    </message>
    <message>
        <source>Arc tangent</source>
        <translation>Arkustangens</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Hyperbolic function</source>
        <translation>Hyperbelfunktion</translation>
    </message>
    <message>
        <source>Natural logarithm</source>
        <translation>Natürlicher Logarithmus</translation>
    </message>
    <message>
        <source>Common logarithm</source>
        <translation>Dekadischer Logarithmus</translation>
    </message>
    <message>
        <source>E to the power X</source>
        <translation>e hoch X</translation>
    </message>
    <message>
        <source>10 to the power X</source>
        <translation>10 hoch X</translation>
    </message>
    <message>
        <source>Angles in degrees</source>
        <translation>Winkel in Grad</translation>
    </message>
    <message>
        <source>Angles in radians</source>
        <translation>Winkel im Bogenmaß</translation>
    </message>
    <message>
        <source>Angles in grads</source>
        <translation>Winkel in Gon</translation>
    </message>
    <message>
        <source>Radians to degrees</source>
        <translation>Bogenmaß in Grad</translation>
    </message>
    <message>
        <source>Degrees to radians</source>
        <translation>Grad in Bogenmaß</translation>
    </message>
    <message>
        <source>Polar to rectangular</source>
        <translation>Polar- in kartesische Koordinaten</translation>
    </message>
    <message>
        <source>Rectangular to polar</source>
        <translation>Kartesische in Polarkoordinaten</translation>
    </message>
    <message>
        <source>Hours to hours, minutes and seconds</source>
        <translation>Stunden in Stunden, Minuten und Sekunden</translation>
    </message>
    <message>
        <source>Hours, minutes and seconds to hours</source>
        <translation>Stunden, Minuten und Sekunden in Stunden</translation>
    </message>
    <message>
        <source>Add data point</source>
        <translation>Datenpunkt hinzufügen</translation>
    </message>
    <message>
        <source>Remove data point</source>
        <translation>Datenpunkt entfernen</translation>
    </message>
    <message>
        <source>Sum of x</source>
        <translation>Summe der x</translation>
    </message>
    <message>
        <source>Sum of x squared</source>
        <translation>Summe der x-Quadrate</translation>
    </message>
    <message>
        <source>Sum of y</source>
        <translation>Summe der y</translation>
    </message>
    <message>
        <source>Sum of y squared</source>
        <translation>Summe der y-Quadrate</translation>
    </message>
    <message>
        <source>Sum of x times y</source>
        <translation>Summe der Produkte x mal y</translation>
    </message>
    <message>
        <source>Number of data points</source>
        <translation>Anzahl der Datenpunkte</translation>
    </message>
    <message>
        <source>Mean of x</source>
        <translation>Mittelwert der x</translation>
    </message>
    <message>
        <source>Mean of x weighted by y</source>
        <translation>Mittelwert der x, gewichtet mit y</translation>
    </message>
    <message>
        <source>Mean of y</source>
        <translation>Mittelwert der y</translation>
    </message>
    <message>
        <source>Estimate x and correlation</source>
        <translation>Schätzwert für x und Korrelation</translation>
    </message>
    <message>
        <source>Estimate y and slope</source>
        <translation>Schätzwert für y und Steigung</translation>
    </message>
    <message>
        <source>Random number</source>
        <translation>Zufallszahl</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Fakultät</translation>
    </message>
    <message>
        <source>Gamma function</source>
        <translation>Gammafunktion</translation>
    </message>
    <message>
        <source>Sample standard deviation</source>
        <translation>Standardabweichung der Stichprobe</translation>
    </message>
    <message>
        <source>Population standard deviation</source>
        <translation>Standardabweichung der Grundgesamtheit</translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation>Kombinationen</translation>
    </message>
    <message>
        <source>Permutations</source>
        <translation>Permutationen</translation>
    </message>
    <message>
        <source>Binary base</source>
        <translation>Binärsystem</translation>
    </message>
    <message>
        <source>Octal base</source>
        <translation>Oktalsystem</translation>
    </message>
    <message>
        <source>Decimal base</source>
        <translation>Dezimalsystem</translation>
    </message>
    <message>
        <source>Hexadecimal base</source>
        <translation>Hexadezimalsystem</translation>
    </message>
    <message>
        <source>Bitwise and</source>
        <translation>Bitweises UND</translation>
    </message>
    <message>
        <source>Bitwise or</source>
        <translation>Bitweises ODER</translation>
    </message>
    <message>
        <source>Bitwise exclusive or</source>
        <translation>Bitweises exklusives ODER</translation>
    </message>
    <message>
        <source>Bitwise not</source>
        <translation>Bitweises NICHT</translation>
    </message>
    <message>
        <source>Shift Y left by X bits</source>
        <translation>Y um X Bits nach links schieben</translation>
    </message>
    <message>
        <source>Shift Y right by X bits</source>
        <translation>Y um X Bits nach rechts schieben</translation>
    </message>
    <message>
        <source>Arithmetic shift right</source>
        <translation>Arithmetisch nach rechts schieben</translation>
    </message>
    <message>
        <source>Rotate Y right by X bits</source>
        <translation>Y um X Bits nach rechts rotieren</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Meilen</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Square inches</source>
        <translation>Quadratzoll</translation>
    </message>
    <message>
        <source>Square feet</source>
        <translation>Quadratfuß</translation>
    </message>
    <message>
        <source>Square miles</source>
        <translation>Quadratmeilen</translation>
    </message>
    <message>
        <source>Square meters</source>
        <translation>Quadratmeter</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Pfund</translation>
    </message>
    <message>
        <source>Ounces</source>
        <translation>Unzen</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Kilogramm</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>Gramm</translation>
    </message>
    <message>
        <source>Inches per second</source>
        <translation>Zoll pro Sekunde</translation>
    </message>
    <message>
        <source>Feet per second</source>
        <translation>Fuß pro Sekunde</translation>
    </message>
    <message>
        <source>Meters per second</source>
        <translation>Meter pro Sekunde</translation>
    </message>
    <message>
        <source>Miles per hour</source>
        <translation>Meilen pro Stunde</translation>
    </message>
    <message>
        <source>Kilometers per hour</source>
        <translation>Kilometer pro Stunde</translation>
    </message>
    <message>
        <source>Centimeters per second</source>
        <translation>Zentimeter pro Sekunde</translation>
    </message>
    <message>
        <source>Gallons</source>
        <translation>Gallonen</translation>
    </message>
    <message>
        <source>Milliliters</source>
        <translation>Milliliter</translation>
    </message>
    <message>
        <source>Liters</source>
        <translation>Liter</translation>
    </message>
    <message>
        <source>Fluid ounces</source>
        <translation>Flüssigunzen</translation>
    </message>
    <message>
        <source>Degrees Celsius</source>
        <translation>Grad Celsius</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit</source>
        <translation>Grad Fahrenheit</translation>
    </message>
    <message>
        <source>X-th root of Y</source>
        <translation>X-te Wurzel aus Y</translation>
    </message>
    <message>
        <source>Unsigned 8-bit word</source>
        <translation>8-Bit-Wort ohne Vorzeichen</translation>
    </message>
    <message>
        <source>Signed 8-bit word</source>
        <translation>8-Bit-Wort mit Vorzeichen</translation>
    </message>
    <message>
        <source>Unsigned 16-bit word</source>
        <translation>16-Bit-Wort ohne Vorzeichen</translation>
    </message>
    <message>
        <source>Signed 16-bit word</source>
        <translation>16-Bit-Wort mit Vorzeichen</translation>
    </message>
    <message>
        <source>Unsigned 32-bit word</source>
        <translation>32-Bit-Wort ohne Vorzeichen</translation>
    </message>
    <message>
        <source>Signed 32-bit word</source>
        <translation>32-Bit-Wort mit Vorzeichen</translation>
    </message>
    <message>
        <source>General format</source>
        <translation>Allgemeines Format</translation>
    </message>
    <message>
        <source>Scientific format</source>
        <translation>Wissenschaftliches Format</translation>
    </message>
    <message>
        <source>Engineering format</source>
        <translation>Technisches Format</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Abrunden</translation>
    </message>
    <message>
        <source>Ceiling</source>
        <translation>Aufrunden</translation>
    </message>
    <message>
        <source>Two&apos;s complement</source>
        <translation>Zweierkomplement</translation>
    </message>
    <message>
        <source>Round into the word</source>
        <translation>In das Wort runden</translation>
    </message>
    <message>
        <source>Integer plus</source>
        <translation>Plus (ganzzahlig)</translation>
    </message>
    <message>
        <source>Integer minus</source>
        <translation>Minus (ganzzahlig)</translation>
    </message>
    <message>
        <source>Integer multiply by</source>
        <translation>Mal (ganzzahlig)</translation>
    </message>
    <message>
        <source>Integer divide by</source>
        <translation>Geteilt durch (ganzzahlig)</translation>
    </message>
    <message>
        <source>Fixed format</source>
        <translation>Festkommaformat</translation>
    </message>
    <message>
        <source>No operation</source>
        <translation>Keine Operation</translation>
    </message>
    <message>
        <source>Unassigned user key</source>
        <translation>Nicht belegte Benutzertaste</translation>
    </message>
</context>
<context>
    <name>KeyReference</name>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>%1 (in decimal)</source>
        <translation>%1 (dezimal)</translation>
    </message>
    <message>
        <source>%1 (outside decimal)</source>
        <translation>%1 (nicht dezimal)</translation>
    </message>
    <message>
        <source>%1 (after EEX)</source>
        <translation>%1 (nach EEX)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>Unshifted: %1</source>
        <translation>Nicht umgeschaltet: %1</translation>
    </message>
    <message>
        <source>Shifted: %1</source>
        <translation>Umgeschaltet: %1</translation>
    </message>
    <message>
        <source>Keyboard: %1</source>
        <translation>Tastatur: %1</translation>
    </message>
    <message>
        <source>Options › Keyboard assigns the user keys.</source>
        <translation>Unter Optionen › Tastatur werden die Benutzertasten belegt.</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Strg+Z</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Strg+Y</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Strg+C</translation>
    </message>
    <message>
        <source>Copy X</source>
        <translation>X kopieren</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Strg+V</translation>
    </message>
    <message>
        <source>Paste into X</source>
        <translation>In X einfügen</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Strg+Q</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Pfeil nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Pfeil nach unten</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Left or Right</source>
        <translation>Pfeil nach links oder rechts</translation>
    </message>
    <message>
        <source>Move the focus from key to key</source>
        <translation>Den Fokus von Taste zu Taste bewegen</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Press the key with the focus</source>
        <translation>Die Taste mit dem Fokus drücken</translation>
    </message>
    <message>
        <source>Previous function; in the keypad, the key above</source>
        <translation>Vorige Funktion; im Tastenfeld die Taste darüber</translation>
    </message>
    <message>
        <source>Next function; in the keypad, the key below</source>
        <translation>Nächste Funktion; im Tastenfeld die Taste darunter</translation>
    </message>
    <message>
        <source>Move the focus: function selector, keypad, display</source>
        <translation>Den Fokus bewegen: Funktionswahl, Tastenfeld, Anzeige</translation>
    </message>
    <message>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <source>Open the menus</source>
        <translation>Die Menüs öffnen</translation>
    </message>
    <message>
        <source>Alt+letter</source>
        <translation>Alt+Buchstabe</translation>
    </message>
    <message>
        <source>The menu or control of the underlined letter</source>
        <translation>Das Menü oder Bedienelement des unterstrichenen Buchstabens</translation>
    </message>
</context>
<context>
    <name>KeyboardDialog</name>
    <message>
        <source>Customize Keyboard</source>
        <translation>Tastatur anpassen</translation>
    </message>
</context>
<context>
    <name>KeyboardPane</name>
    <message>
        <source>User Keys:</source>
        <translation>Benutzertasten:</translation>
    </message>
    <message>
        <source>Integer</source>
        <translation>Ganzzahlig</translation>
    </message>
    <message>
        <source>Shifted</source>
        <translation>Umgeschaltet</translation>
    </message>
    <message>
        <source>Assignable Keys:</source>
        <translation>Belegbare Tasten:</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>KeysForm</name>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Shifted</source>
        <translation>Umgeschaltet</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Tastenfeld</translation>
    </message>
    <message>
        <source>The keys of the %1 function in %2 input</source>
        <extracomment>%1 is the function (Standard, Financial...), %2 the input: RPN, precedence or simple.</extracomment>
        <translation>Die Tasten der Funktion „%1“ in der Eingabeart „%2“</translation>
    </message>
    <message>
        <source>RPN</source>
        <translation>UPN</translation>
    </message>
    <message>
        <source>precedence</source>
        <translation>Punkt vor Strich</translation>
    </message>
    <message>
        <source>simple</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The name of the shifted key, and its keyboard shortcut.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Statistics &amp;Data...</source>
        <translation>Statistik&amp;daten...</translation>
    </message>
</context>
<context>
    <name>PointsModel</name>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>The table&apos;s last row, where a new point is typed.</extracomment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>New point</source>
        <translation>Neuer Punkt</translation>
    </message>
    <message>
        <source>Not changed: %1 is too large.</source>
        <translation>Nicht geändert: %1 ist zu groß.</translation>
    </message>
    <message>
        <source>Not changed: %1 does not fit the word.</source>
        <translation>Nicht geändert: %1 passt nicht in das Wort.</translation>
    </message>
    <message>
        <source>Not changed: %1 is not a number.</source>
        <translation>Nicht geändert: %1 ist keine Zahl.</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Festkomma</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Wissenschaftlich</translation>
    </message>
    <message>
        <source>Engineering</source>
        <translation>Technisch</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>RPN Stack</source>
        <translation>UPN-Stapel</translation>
    </message>
    <message>
        <source>User Registers</source>
        <translation>Benutzerregister</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Rechenstreifen</translation>
    </message>
    <message>
        <source>8-bit unsigned</source>
        <translation>8 Bit ohne Vorzeichen</translation>
    </message>
    <message>
        <source>8-bit signed</source>
        <translation>8 Bit mit Vorzeichen</translation>
    </message>
    <message>
        <source>16-bit unsigned</source>
        <translation>16 Bit ohne Vorzeichen</translation>
    </message>
    <message>
        <source>16-bit signed</source>
        <translation>16 Bit mit Vorzeichen</translation>
    </message>
    <message>
        <source>32-bit unsigned</source>
        <translation>32 Bit ohne Vorzeichen</translation>
    </message>
    <message>
        <source>32-bit signed</source>
        <translation>32 Bit mit Vorzeichen</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Precedence</source>
        <translation>Punkt vor Strich</translation>
    </message>
    <message>
        <source>RPN</source>
        <translation>UPN</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Links</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Mitte</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Rechts</translation>
    </message>
    <message>
        <source>&amp;Quick Switch</source>
        <translation>Schnell&amp;wahl</translation>
    </message>
    <message>
        <source>100 Re&amp;gisters</source>
        <translation>100 Regis&amp;ter</translation>
    </message>
    <message>
        <source>Stic&amp;ky Shift</source>
        <translation>&amp;Umschalten rastet ein</translation>
    </message>
    <message>
        <source>&amp;2-line Display</source>
        <translation>&amp;Zweizeilige Anzeige</translation>
    </message>
    <message>
        <source>Co&amp;mma Radix</source>
        <translation>&amp;Dezimalkomma</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Digits:</source>
        <translation>&amp;Stellen:</translation>
    </message>
    <message>
        <source>Dis&amp;play:</source>
        <translation>&amp;Anzeige:</translation>
    </message>
    <message>
        <source>&amp;Opens:</source>
        <extracomment>What a tap on the chosen third of the display opens.</extracomment>
        <translation>Öff&amp;net:</translation>
    </message>
    <message>
        <source>&amp;Integer:</source>
        <translation>&amp;Ganzzahl:</translation>
    </message>
    <message>
        <source>I&amp;nput:</source>
        <translation>&amp;Eingabe:</translation>
    </message>
    <message>
        <source>&amp;Stack:</source>
        <translation>Sta&amp;pel:</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
</context>
<context>
    <name>RpnStackForm</name>
    <message>
        <source>RPN Stack</source>
        <translation>UPN-Stapel</translation>
    </message>
</context>
<context>
    <name>ScheduleChart</name>
    <message>
        <source>Balance</source>
        <translation>Restschuld</translation>
    </message>
    <message>
        <source>Principal each year</source>
        <translation>Tilgung je Jahr</translation>
    </message>
    <message>
        <source>Principal every %1 years</source>
        <translation>Tilgung je %1 Jahre</translation>
    </message>
    <message>
        <source>Interest each year</source>
        <translation>Zinsen je Jahr</translation>
    </message>
    <message>
        <source>Interest every %1 years</source>
        <translation>Zinsen je %1 Jahre</translation>
    </message>
    <message>
        <source>Balance chart</source>
        <translation>Diagramm der Restschuld</translation>
    </message>
</context>
<context>
    <name>ScheduleForm</name>
    <message>
        <source>Loan Schedule</source>
        <translation>Tilgungsplan</translation>
    </message>
    <message>
        <source>Terms of the loan</source>
        <translation>Bedingungen des Darlehens</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Tilgungsplan</translation>
    </message>
    <message>
        <source>Divider between the chart and the table</source>
        <translation>Trenner zwischen Diagramm und Tabelle</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>K&amp;opieren</translation>
    </message>
    <message>
        <source>Save &amp;CSV...</source>
        <translation>Als &amp;CSV speichern...</translation>
    </message>
    <message>
        <source>Save &amp;PDF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>payments at the start of each period</source>
        <translation>Zahlungen zu Beginn jeder Periode</translation>
    </message>
    <message>
        <source>payments at the end of each period</source>
        <translation>Zahlungen am Ende jeder Periode</translation>
    </message>
    <message>
        <source>No schedule: N is not a whole number of periods from 1 to 65,535.</source>
        <translation>Kein Tilgungsplan: N ist keine ganze Zahl von Perioden von 1 bis 65.535.</translation>
    </message>
    <message>
        <source>No schedule: %1 is error.</source>
        <translation>Kein Tilgungsplan: %1 ist ein Fehler.</translation>
    </message>
    <message>
        <source>A final payment of %1 instead of %2 would end the schedule at %3.</source>
        <translation>Eine letzte Zahlung von %1 statt %2 würde den Plan bei %3 beenden.</translation>
    </message>
    <message>
        <source>The balance goes from %1 to %2 over %3 periods; %4 of interest and %5 of principal in all.</source>
        <translation>Die Restschuld geht in %3 Perioden von %1 auf %2; insgesamt %4 Zinsen und %5 Tilgung.</translation>
    </message>
    <message>
        <source>Save Schedule as CSV</source>
        <translation>Tilgungsplan als CSV speichern</translation>
    </message>
    <message>
        <source>schedule.csv</source>
        <translation>tilgungsplan.csv</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>The schedule could not be saved to %1: %2.</source>
        <translation>Der Tilgungsplan konnte nicht unter %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Save Schedule as PDF</source>
        <translation>Tilgungsplan als PDF speichern</translation>
    </message>
    <message>
        <source>schedule.pdf</source>
        <translation>tilgungsplan.pdf</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ScheduleModel</name>
    <message>
        <source>%1 (full precision)</source>
        <translation>%1 (volle Genauigkeit)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Year %1</source>
        <translation>Jahr %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Restschuld</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enable RPN</source>
        <translation>UPN einschalten</translation>
    </message>
    <message>
        <source>Tovrin</source>
        <translation>Tovrin</translation>
    </message>
    <message>
        <source>Tovrin could not read all of its settings file
%1.

What could be read was loaded.</source>
        <translation>Tovrin konnte seine Einstellungsdatei
%1
nicht vollständig lesen.

Was gelesen werden konnte, wurde geladen.</translation>
    </message>
    <message>
        <source> The file as it was is kept as
%1.</source>
        <translation> Die unveränderte Datei ist gesichert als
%1.</translation>
    </message>
    <message>
        <source>Tovrin could not save its state
in the settings file
%1
(%2).

The file is left as it was, and the changes of this session are lost.</source>
        <translation>Tovrin konnte seinen Zustand
nicht in der Einstellungsdatei
%1
speichern (%2).

Die Datei bleibt, wie sie war, und die Änderungen dieser Sitzung gehen verloren.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>eine Spezialdatei</translation>
    </message>
    <message>
        <source>Tovrin cannot use its settings file
%1:
it is %2, not a regular file.

This session starts afresh and will not be saved.</source>
        <translation>Tovrin kann seine Einstellungsdatei
%1
nicht verwenden:
sie ist %2, keine gewöhnliche Datei.

Diese Sitzung beginnt neu und wird nicht gespeichert.</translation>
    </message>
    <message>
        <source> No copy of the file as it was could be kept, so the file is left as it is; this session is saved only once a copy can be kept.</source>
        <translation> Eine Kopie der unveränderten Datei konnte nicht angelegt werden, darum bleibt die Datei, wie sie ist; diese Sitzung wird erst gespeichert, wenn eine Kopie angelegt werden kann.</translation>
    </message>
    <message>
        <source>The settings file
%1
is in use by Tovrin on the computer %2, or was when that stopped.

This Tovrin runs without saving its state. If no Tovrin runs on %2, quit, remove the lock file
%3
and start again.</source>
        <translation>Die Einstellungsdatei
%1
wird von Tovrin auf dem Rechner %2 verwendet oder wurde es, als dieses endete.

Dieses Tovrin läuft, ohne seinen Zustand zu speichern. Wenn auf %2 kein Tovrin läuft, beenden Sie es, löschen Sie die Sperrdatei
%3
und starten Sie es erneut.</translation>
    </message>
    <message>
        <source>Tovrin could not make the lock file
%1
(a folder that cannot be written, or a full disk).

This Tovrin runs without saving its state, so that it cannot overwrite another one&apos;s.</source>
        <translation>Tovrin konnte die Sperrdatei
%1
nicht anlegen (ein Ordner ohne Schreibrecht oder ein volles Laufwerk).

Dieses Tovrin läuft, ohne seinen Zustand zu speichern, damit es den eines anderen nicht überschreibt.</translation>
    </message>
    <message>
        <source>The settings file
%1
is in use by another Tovrin that does not answer.</source>
        <translation>Die Einstellungsdatei
%1
wird von einem anderen Tovrin verwendet, das nicht antwortet.</translation>
    </message>
    <message>
        <source>Choose how to type calculations</source>
        <translation>Wählen Sie, wie Sie rechnen möchten</translation>
    </message>
    <message>
        <source>Tovrin can calculate in RPN: you type the numbers first, then the operation, as in 3 ENTER 4 +. Without RPN you type 3 + 4 =, as on most calculators.

You can change this at any time in Options › Preferences.</source>
        <translation>Tovrin kann in UPN rechnen: Sie geben erst die Zahlen ein, dann die Rechenart, etwa 3 ENTER 4 +. Ohne UPN geben Sie 3 + 4 = ein, wie bei den meisten Taschenrechnern.

Sie können das jederzeit unter Optionen › Einstellungen ändern.</translation>
    </message>
</context>
<context>
    <name>StatisticsForm</name>
    <message>
        <source>Number of points</source>
        <translation>Anzahl der Punkte</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Steigung</translation>
    </message>
    <message>
        <source>Intercept</source>
        <translation>Achsenabschnitt</translation>
    </message>
    <message>
        <source>Correlation</source>
        <translation>Korrelation</translation>
    </message>
    <message>
        <source>Mean of x</source>
        <translation>Mittelwert von x</translation>
    </message>
    <message>
        <source>Sample deviation of x</source>
        <translation>Stichproben-Standardabweichung von x</translation>
    </message>
    <message>
        <source>Population deviation of x</source>
        <translation>Standardabweichung der Grundgesamtheit von x</translation>
    </message>
    <message>
        <source>Mean of y</source>
        <translation>Mittelwert von y</translation>
    </message>
    <message>
        <source>Sample deviation of y</source>
        <translation>Stichproben-Standardabweichung von y</translation>
    </message>
    <message>
        <source>Population deviation of y</source>
        <translation>Standardabweichung der Grundgesamtheit von y</translation>
    </message>
    <message>
        <source>Statistics Data</source>
        <translation>Statistikdaten</translation>
    </message>
    <message>
        <source>&amp;Rebuild the sums from the list</source>
        <translation>Summen aus der Liste &amp;neu bilden</translation>
    </message>
    <message>
        <source>C&amp;lear the list</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>&amp;Add Row</source>
        <translation>Zeile &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>Zeilen &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Ein&amp;fügen</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Copy Equation</source>
        <translation>Gleichung &amp;kopieren</translation>
    </message>
    <message>
        <source>No line: it needs two points with different x.</source>
        <translation>Keine Gerade: Sie braucht zwei Punkte mit verschiedenem x.</translation>
    </message>
    <message>
        <source>The sums do not match the list: a point that the list does not hold was removed, or a sum was changed otherwise.</source>
        <translation>Die Summen passen nicht zur Liste: Ein Punkt, den die Liste nicht enthält, wurde entfernt, oder eine Summe wurde anders geändert.</translation>
    </message>
    <message>
        <source>The list holds only the first %1 points; the sums hold all %2.</source>
        <translation>Die Liste enthält nur die ersten %1 Punkte; die Summen enthalten alle %2.</translation>
    </message>
    <message>
        <source>The sums also hold points that are not in the list: it was cleared on its own, or they were entered before the list was kept.</source>
        <translation>Die Summen enthalten auch Punkte, die nicht in der Liste stehen: Sie wurde allein geleert, oder die Punkte wurden eingegeben, bevor die Liste geführt wurde.</translation>
    </message>
    <message>
        <source>The list holds at most %1 points.</source>
        <translation>Die Liste fasst höchstens %1 Punkte.</translation>
    </message>
    <message>
        <source>%1: there are no numbers.</source>
        <extracomment>%1 is &quot;Nothing was pasted&quot; or &quot;Nothing was imported&quot;.</extracomment>
        <translation>%1: Es sind keine Zahlen darin.</translation>
    </message>
    <message>
        <source>%1: line %2, column %3 is not a number: “%4”.</source>
        <extracomment>%1 is &quot;Nothing was pasted&quot; or &quot;Nothing was imported&quot;; %2 the line, %3 the column, %4 the cell&apos;s text.</extracomment>
        <translation>%1: Zeile %2, Spalte %3 ist keine Zahl: „%4“.</translation>
    </message>
    <message>
        <source>%1: line %2 has %3 cells; a point has x and y.</source>
        <extracomment>%1 is &quot;Nothing was pasted&quot; or &quot;Nothing was imported&quot;; %2 the line, %3 its number of cells.</extracomment>
        <translation>%1: Zeile %2 hat %3 Zellen; ein Punkt hat x und y.</translation>
    </message>
    <message>
        <source>%1: the list holds at most %2 points.</source>
        <extracomment>%1 is &quot;Nothing was pasted&quot; or &quot;Nothing was imported&quot;; %2 is 10,000.</extracomment>
        <translation>%1: Die Liste fasst höchstens %2 Punkte.</translation>
    </message>
    <message>
        <source>Nothing was pasted</source>
        <translation>Nichts eingefügt</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 could not be read.</source>
        <translation>Nichts importiert: %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Nothing was imported</source>
        <translation>Nichts importiert</translation>
    </message>
    <message>
        <source>Import Points</source>
        <translation>Punkte importieren</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Text (*.txt *.tsv);;All files (*)</source>
        <translation>CSV (*.csv);;Text (*.txt *.tsv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export Points</source>
        <translation>Punkte exportieren</translation>
    </message>
    <message>
        <source>points.csv</source>
        <translation>punkte.csv</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>The points could not be saved to %1.</source>
        <translation>Die Punkte konnten nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>y = %1·x %2 %3</source>
        <extracomment>The least-squares line: %1 the slope, %2 + or −, %3 the intercept.</extracomment>
        <translation>y = %1·x %2 %3</translation>
    </message>
    <message>
        <source>r = %1</source>
        <extracomment>The correlation of the points.</extracomment>
        <translation>r = %1</translation>
    </message>
</context>
<context>
    <name>StatisticsPlot</name>
    <message>
        <source>Scatter plot</source>
        <translation>Streudiagramm</translation>
    </message>
    <message>
        <source>No points yet. Σ+ adds one; you can also type them into the table or paste them.</source>
        <translation>Noch keine Punkte. Σ+ fügt einen hinzu; man kann sie auch in die Tabelle tippen oder einfügen.</translation>
    </message>
</context>
<context>
    <name>TapeForm</name>
    <message>
        <source>Tape</source>
        <translation>Rechenstreifen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>&amp;Alles kopieren</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Reiner Text (*.txt)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save Tape</source>
        <translation>Rechenstreifen speichern</translation>
    </message>
    <message>
        <source>tape.txt</source>
        <translation>rechenstreifen.txt</translation>
    </message>
    <message>
        <source>The tape could not be saved to %1.</source>
        <translation>Der Rechenstreifen konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;Use Result</source>
        <translation>Ergebnis &amp;verwenden</translation>
    </message>
    <message>
        <source>Copy &amp;Result</source>
        <translation>&amp;Ergebnis kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;Line</source>
        <translation>&amp;Zeile kopieren</translation>
    </message>
</context>
<context>
    <name>UserGuideForm</name>
    <message>
        <source>Tovrin User Guide</source>
        <translation>Tovrin-Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
</context>
<context>
    <name>UserRegistersDisplay</name>
    <message>
        <source>Register %1</source>
        <translation>Register %1</translation>
    </message>
</context>
<context>
    <name>UserRegistersForm</name>
    <message>
        <source>User Registers</source>
        <translation>Benutzerregister</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Gruppe %1</translation>
    </message>
</context>
</TS>
