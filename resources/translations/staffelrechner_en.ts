<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Aufruf</name>
    <message>
        <source>Mehr dazu: staffelrechner --help</source>
        <translation>More: staffelrechner --help</translation>
    </message>
    <message>
        <source>Aufruf: staffelrechner [--lang de|en]
       staffelrechner --help | --version

Öffnet den Staffelrechner, einen Taschenrechner für die Rechenarten
m[R, A][b, e] der Staffellehre.

  --lang de|en  Sprache der Fenster für diesen Lauf; ohne die Option
                gilt die zuletzt im Menü gewählte, anfangs Deutsch
  -h, --help    dieser Text
  --version     die Version

Das Protokoll der Rechnungen bleibt von Lauf zu Lauf erhalten in
%1
Mehr in: man staffelrechner
</source>
        <translation>Usage: staffelrechner [--lang de|en]
       staffelrechner --help | --version

Opens the Staffelrechner, a calculator for the operations m[R, A][b, e]
of the Staffellehre.

  --lang de|en  language of the windows for this run; without the option
                the one last chosen in the menu applies, at first German
  -h, --help    this text
  --version     the version

The tape of calculations is kept from run to run in
%1
More in: man staffelrechner
</translation>
    </message>
    <message>
        <source>--lang braucht eine Sprache: de oder en</source>
        <translation>--lang needs a language: de or en</translation>
    </message>
    <message>
        <source>unbekannte Sprache „%1“: de oder en</source>
        <translation>unknown language “%1”: de or en</translation>
    </message>
</context>
<context>
    <name>EngineText</name>
    <message>
        <source>Erst EINGABE , dann BERECHNUNG !</source>
        <translation>First INPUT , then CALCULATION !</translation>
    </message>
    <message>
        <source>Basis und Exponent müssen zwischen -1.79769313486231E+308 und 1.79769313486231E+308 liegen!</source>
        <translation>Base and exponent must lie between -1.79769313486231E+308 and 1.79769313486231E+308!</translation>
    </message>
    <message>
        <source>Zähler und Nenner der Rechenzahl müssen zwischen -32768 und 32767 liegen!</source>
        <translation>Numerator and denominator of the operation number must lie between -32768 and 32767!</translation>
    </message>
    <message>
        <source>Der Nenner der Rechenzahl darf nicht 0 sein!</source>
        <translation>The denominator of the operation number must not be 0!</translation>
    </message>
    <message>
        <source>Die Rechenzahl darf höchstens vier Nachkommastellen haben!</source>
        <translation>The operation number may have at most four decimal places!</translation>
    </message>
    <message>
        <source>Die Rechenzahl darf nicht 0 sein!</source>
        <translation>The operation number must not be 0!</translation>
    </message>
    <message>
        <source>Die Auflösungsliste dieser Rechenzahl sprengt den Zahlenbereich von -32768 bis 32767!</source>
        <translation>The resolution list of this operation number exceeds the range from -32768 to 32767!</translation>
    </message>
    <message>
        <source>Passen Sie bitte die Anzahl der Ziffern in der Auflösungszahl an  step = |A|  an !</source>
        <translation>Please match the number of digits of the resolution number to  step = |A| !</translation>
    </message>
    <message>
        <source>Die Auflösungszahl darf nur die Ziffern 0 und 1 enthalten!</source>
        <translation>The resolution number may contain only the digits 0 and 1!</translation>
    </message>
    <message>
        <source> +- Unendlich</source>
        <translation> +- infinity</translation>
    </message>
    <message>
        <source>     Name der Rechenart ?</source>
        <translation>     Name of the operation ?</translation>
    </message>
    <message>
        <source> Name der Rechenart ?</source>
        <translation> Name of the operation ?</translation>
    </message>
    <message>
        <source>   Berechnung angehalten!</source>
        <translation>   Calculation halted!</translation>
    </message>
    <message>
        <source>     |Ergebnis| &gt; 10^308</source>
        <translation>     |result| &gt; 10^308</translation>
    </message>
    <message>
        <source>   Nicht definiert!</source>
        <translation>   Not defined!</translation>
    </message>
    <message>
        <source>Division durch Null</source>
        <translation>Division by zero</translation>
    </message>
    <message>
        <source>  derzeit ohne Code</source>
        <translation>  no code yet</translation>
    </message>
    <message>
        <source> Berechnung zu tief verschachtelt!</source>
        <translation> Calculation nested too deeply!</translation>
    </message>
    <message>
        <source>Bei der Umformung der Rechenzahl werden Zähler oder Nenner größer als 32767!</source>
        <translation>Rewriting the operation number makes the numerator or denominator greater than 32767!</translation>
    </message>
    <message>
        <source> In der Berechnung (Regel III) tritt ein rationaler Exponent auf!</source>
        <translation> A rational exponent occurs in the calculation (rule III)!</translation>
    </message>
    <message>
        <source> Grenzwert??</source>
        <translation> Limit??</translation>
    </message>
    <message>
        <source> In diesem Fall ist der Grenzwert unbekannt!</source>
        <translation> In this case the limit is unknown!</translation>
    </message>
    <message>
        <source>  Identität:  b</source>
        <translation>  Identity:  b</translation>
    </message>
    <message>
        <source>  Nachfolger:  b + 1</source>
        <translation>  Successor:  b + 1</translation>
    </message>
    <message>
        <source>  Addition:  b + e</source>
        <translation>  Addition:  b + e</translation>
    </message>
    <message>
        <source>  Multiplikation:  b · e</source>
        <translation>  Multiplication:  b · e</translation>
    </message>
    <message>
        <source>  Potenzierung:  b ^ e</source>
        <translation>  Power:  b ^ e</translation>
    </message>
    <message>
        <source>  Vorgänger:  b - 1</source>
        <translation>  Predecessor:  b - 1</translation>
    </message>
    <message>
        <source>  Subtraktion:  b - e</source>
        <translation>  Subtraction:  b - e</translation>
    </message>
    <message>
        <source>  Division:  b / e</source>
        <translation>  Division:  b / e</translation>
    </message>
    <message>
        <source>  Hyper-0-Potenzierung</source>
        <translation>  Hyper-0-power</translation>
    </message>
    <message>
        <source>  Radizieren:  b ^ (1/e)</source>
        <translation>  Root:  b ^ (1/e)</translation>
    </message>
    <message>
        <source>  Logarithmieren:  Loge(b)</source>
        <translation>  Logarithm:  Loge(b)</translation>
    </message>
    <message>
        <source>   0 oder b</source>
        <translation>   0 or b</translation>
    </message>
    <message>
        <source>   unbestimmt  oder  b</source>
        <translation>   indeterminate  or  b</translation>
    </message>
    <message>
        <source> Hyper-1-Potenzierung</source>
        <translation> Hyper-1-power</translation>
    </message>
    <message>
        <source>Basis muss für rationale Exponenten positiv sein!</source>
        <translation>Base must be positive for rational exponents!</translation>
    </message>
    <message>
        <source>Division durch Null!</source>
        <translation>Division by zero!</translation>
    </message>
    <message>
        <source>Es tritt die Potenz einer negativen Basis auf (Exponent rational)!</source>
        <translation>A power of a negative base occurs (exponent rational)!</translation>
    </message>
    <message>
        <source>Basis muss positiv sein!</source>
        <translation>Base must be positive!</translation>
    </message>
    <message>
        <source>Basis und Exponent(nicht 1!) des Log müssen positiv sein!</source>
        <translation>Base and exponent(not 1!) of the log must be positive!</translation>
    </message>
    <message>
        <source> Der Logarithmus zur Basis 1 ist in diesem Fall nicht definiert!</source>
        <translation> The logarithm to base 1 is not defined in this case!</translation>
    </message>
    <message>
        <source> unbestimmt (ganz R)</source>
        <translation> indeterminate (all of R)</translation>
    </message>
    <message>
        <source>Basis muss größer als 1 sein!</source>
        <translation>Base must be greater than 1!</translation>
    </message>
    <message>
        <source>Division durch 0!</source>
        <translation>Division by 0!</translation>
    </message>
    <message>
        <source>Der Exponent muss ungleich 2 sein!</source>
        <translation>The exponent must not be 2!</translation>
    </message>
    <message>
        <source>Der Exponent muss aus ]0;2[ und  b/e&gt;0  sein!</source>
        <translation>The exponent must lie in ]0;2[ and  b/e&gt;0  hold!</translation>
    </message>
    <message>
        <source>Die Basis sollte größer als 0 sein!</source>
        <translation>The base should be greater than 0!</translation>
    </message>
    <message>
        <source>Der Exponent muss ungleich 2 und die Basis größer als 0 sein!</source>
        <translation>The exponent must not be 2 and the base must be greater than 0!</translation>
    </message>
    <message>
        <source>Die Basis muss größer als 0, der Exponent positiv (aber ungleich 1) sein!</source>
        <translation>The base must be greater than 0, the exponent positive (but not 1)!</translation>
    </message>
    <message>
        <source>Die Basis muss größer als 0 sein!</source>
        <translation>The base must be greater than 0!</translation>
    </message>
    <message>
        <source>Die Basis muss größer als 1 sein!</source>
        <translation>The base must be greater than 1!</translation>
    </message>
    <message>
        <source>Die Basis muss kleiner als 2 sein!</source>
        <translation>The base must be less than 2!</translation>
    </message>
    <message>
        <source>Die Basis muss aus [0;2] sein!</source>
        <translation>The base must lie in [0;2]!</translation>
    </message>
    <message>
        <source>Die Basis muss größer als 1, der Exponent aus ]0;2[ ohne 1 sein!</source>
        <translation>The base must be greater than 1, the exponent in ]0;2[ without 1!</translation>
    </message>
    <message>
        <source>Der Quotient Basis/Exponent muss größer als 0 und der Exponent&lt;2, aber ungleich 1 sein!</source>
        <translation>The quotient base/exponent must be greater than 0 and the exponent&lt;2, but not 1!</translation>
    </message>
    <message>
        <source> Wert unbestimmt</source>
        <translation> Value indeterminate</translation>
    </message>
    <message>
        <source> keine Lösung!    (IV)</source>
        <translation> no solution!    (IV)</translation>
    </message>
    <message>
        <source>nicht definiert (IV)</source>
        <translation>not defined (IV)</translation>
    </message>
    <message>
        <source> Kein Vorzeichenwechsel für die Lösung der Gegenrechenart gefunden!</source>
        <translation> No change of sign found for the solution of the inverse operation!</translation>
    </message>
    <message>
        <source>Fehler beim Suchen definierter Intervalle (Gegenlsg.)!</source>
        <translation>Error while searching for defined intervals (Gegenlsg.)!</translation>
    </message>
    <message>
        <source>Fehler beim Suchen definierter Intervalle (Gegenlsg.(2))!</source>
        <translation>Error while searching for defined intervals (Gegenlsg.(2))!</translation>
    </message>
    <message>
        <source> Gegenrechenart von%1</source>
        <extracomment>%1: the name of the operation that was inverted</extracomment>
        <translation> Inverse of%1</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <extracomment>Graph label; %1: the name of the operation</extracomment>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>Graph von x -&gt; %1</source>
        <extracomment>Graph label; %1: the formula, e.g. m[7 , 00][x , 3]</extracomment>
        <translation>Graph of x -&gt; %1</translation>
    </message>
    <message>
        <source>Punkte: %1 von %2</source>
        <extracomment>Graph label; %1: dots drawn, %2: steps asked for</extracomment>
        <translation>Points: %1 of %2</translation>
    </message>
    <message>
        <source>Diese Umformung ist nicht möglich: Der Nenner wäre 0!</source>
        <translation>This conversion is not possible: the denominator would be 0!</translation>
    </message>
    <message>
        <source>Diese Umformung ist nicht möglich: Zähler oder Nenner lägen außerhalb von -32768 bis 32767!</source>
        <translation>This conversion is not possible: numerator or denominator would lie outside -32768 to 32767!</translation>
    </message>
    <message>
        <source>Für diese Berechnung reicht der Arbeitsspeicher nicht!</source>
        <translation>There is not enough memory for this calculation!</translation>
    </message>
    <message>
        <source>Die Berechnung ist an einem internen Fehler gescheitert!</source>
        <translation>The calculation failed with an internal error!</translation>
    </message>
    <message>
        <source> ???</source>
        <translation> ???</translation>
    </message>
    <message>
        <source>  Loge[Loge[b]] + 1</source>
        <translation>  Loge[Loge[b]] + 1</translation>
    </message>
    <message>
        <source>  -b + e</source>
        <translation>  -b + e</translation>
    </message>
    <message>
        <source>  (2-e)·b</source>
        <translation>  (2-e)·b</translation>
    </message>
    <message>
        <source>   2 - (b/e)</source>
        <translation>   2 - (b/e)</translation>
    </message>
    <message>
        <source>   b / (2-e)</source>
        <translation>   b / (2-e)</translation>
    </message>
    <message>
        <source>   Log(2-e)[b/e]</source>
        <translation>   Log(2-e)[b/e]</translation>
    </message>
    <message>
        <source>   b ^ (2-e)</source>
        <translation>   b ^ (2-e)</translation>
    </message>
    <message>
        <source>   b ^ (1/(2-e))</source>
        <translation>   b ^ (1/(2-e))</translation>
    </message>
    <message>
        <source>   2 - Loge[b]</source>
        <translation>   2 - Loge[b]</translation>
    </message>
    <message>
        <source>   b ^ (b^(1-e))</source>
        <translation>   b ^ (b^(1-e))</translation>
    </message>
    <message>
        <source>   1 - Loge[Loge[b]]</source>
        <translation>   1 - Loge[Loge[b]]</translation>
    </message>
    <message>
        <source>   b · (2-b)^(e-1)</source>
        <translation>   b · (2-b)^(e-1)</translation>
    </message>
    <message>
        <source>   b ^ ((2-b)^(e-1))</source>
        <translation>   b ^ ((2-b)^(e-1))</translation>
    </message>
    <message>
        <source>   b · (2-b)^(1-e)</source>
        <translation>   b · (2-b)^(1-e)</translation>
    </message>
    <message>
        <source>   b ^ ((2-b)^(1-e))</source>
        <translation>   b ^ ((2-b)^(1-e))</translation>
    </message>
    <message>
        <source>   Log(2-e)[Loge[b]] + 1</source>
        <translation>   Log(2-e)[Loge[b]] + 1</translation>
    </message>
    <message>
        <source>   1 - Log(2-e)[b/e]</source>
        <translation>   1 - Log(2-e)[b/e]</translation>
    </message>
    <message>
        <source>   1 - Loge[Log(2-e)[b]]</source>
        <translation>   1 - Loge[Log(2-e)[b]]</translation>
    </message>
    <message>
        <source>log₁₀|y|</source>
        <extracomment>Graph label: the y axis shows log10 of the value&apos;s magnitude</extracomment>
        <translation>log₁₀|y|</translation>
    </message>
    <message>
        <source>Höhe</source>
        <extracomment>Graph label: the y axis shows the value&apos;s tower height (super-logarithm)</extracomment>
        <translation>height</translation>
    </message>
    <message>
        <source>Die Gegenrechenart wird für Zahlen jenseits von 10^308 nicht gesucht!</source>
        <translation>The inverse operation is not searched for numbers beyond 10^308!</translation>
    </message>
    <message>
        <source> keine sichere Lösung!    (IV)</source>
        <translation> no certain solution!    (IV)</translation>
    </message>
</context>
<context>
    <name>Hilfe</name>
    <message>
        <source>Gebrauchsanweisung</source>
        <translation>Operating instructions</translation>
    </message>
    <message>
        <source>    Funktionsweise des Taschenrechners zur Staffellehre</source>
        <translation>    How the Staffellehre calculator works</translation>
    </message>
    <message>
        <source>Grundlagen</source>
        <translation>Fundamentals</translation>
    </message>
    <message>
        <source>Rechenarten mit normalalgebraischer Umschreibung</source>
        <translation>Operations with a closed form</translation>
    </message>
    <message>
        <source>  Rechenarten, die normalalgebraisch berechnet werden:</source>
        <translation>  Operations calculated in closed form:</translation>
    </message>
    <message>
        <source>Glossar</source>
        <translation>Glossary</translation>
    </message>
</context>
<context>
    <name>Meldung</name>
    <message>
        <source>Drucken</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>Die Rechnung kann nicht gedruckt werden: Es ist kein Drucker bereit. Das Ergebnis bleibt auf dem Bildschirm.</source>
        <translation>The calculation cannot be printed: no printer is ready. The result stays on the screen.</translation>
    </message>
    <message>
        <source>Der Inhalt ließ sich nicht erzeugen.</source>
        <translation>The content could not be produced.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gespeichert werden:
%2</source>
        <translation>The file %1 cannot be saved:
%2</translation>
    </message>
    <message>
        <source>Zelkon</source>
        <translation>Zelkon</translation>
    </message>
    <message>
        <source>Die Form kann nicht gedruckt werden.</source>
        <translation>The graph cannot be printed.</translation>
    </message>
    <message>
        <source>Das Protokoll kann nicht gedruckt werden.</source>
        <translation>The tape cannot be printed.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Keine Berechtigung, in diesen Ordner zu schreiben.</source>
        <translation>No permission to write into this folder.</translation>
    </message>
    <message>
        <source>Der Datenträger ist voll.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>Den Ordner gibt es nicht.</source>
        <translation>The folder does not exist.</translation>
    </message>
    <message>
        <source>Die Sprachwahl lässt sich nicht in %1 speichern; der nächste Start beginnt in der bisherigen Sprache.</source>
        <translation>The language choice cannot be saved in %1; the next start uses the previous language.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Frage</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Die Datei ist schreibgeschützt.</source>
        <translation>The file is write-protected.</translation>
    </message>
    <message>
        <source>Ein anderes Fenster des Rechners hält die Protokolldatei gesperrt.</source>
        <translation>Another window of the calculator holds the tape file locked.</translation>
    </message>
    <message>
        <source>Die Sperrdatei lässt sich nicht anlegen.</source>
        <translation>The lock file cannot be created.</translation>
    </message>
    <message>
        <source>Die Protokolldatei ist unlesbar und lässt sich nicht beiseitelegen.</source>
        <translation>The tape file is unreadable and cannot be set aside.</translation>
    </message>
    <message>
        <source>Der Ordner lässt sich nicht anlegen.</source>
        <translation>The folder cannot be created.</translation>
    </message>
    <message>
        <source>Die Protokolldatei lässt sich nicht lesen.</source>
        <translation>The tape file cannot be read.</translation>
    </message>
</context>
<context>
    <name>frmAufloes</name>
    <message>
        <source>Auflösung dieser Rechenart</source>
        <translation>Resolution of this operation</translation>
    </message>
    <message>
        <source> Auflösungsschritte:  Step(R) =</source>
        <translation> Resolution steps:  Step(R) =</translation>
    </message>
    <message>
        <source> Auflösungsliste:</source>
        <translation> Resolution list:</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>frmAutor</name>
    <message>
        <source>Autor</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
</context>
<context>
    <name>frmEnde</name>
    <message>
        <source>Aufhören?</source>
        <translation>Quit?</translation>
    </message>
    <message>
        <source>Aufhören ?</source>
        <translation>Quit ?</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
</context>
<context>
    <name>frmGraph</name>
    <message>
        <source>Graph</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>&amp;Optionen</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Graphik drucken</source>
        <translation>&amp;Print graph</translation>
    </message>
    <message>
        <source>&amp;Bild speichern …</source>
        <translation>Save &amp;image …</translation>
    </message>
    <message>
        <source>&amp;Werte speichern …</source>
        <translation>Save &amp;values …</translation>
    </message>
    <message>
        <source>&amp;Graphik ausblenden</source>
        <translation>&amp;Hide graph</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Save image</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>SVG-Grafik (*.svg)</source>
        <translation>SVG graphic (*.svg)</translation>
    </message>
    <message>
        <source>Werte speichern</source>
        <translation>Save values</translation>
    </message>
    <message>
        <source>CSV-Datei (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
    <message>
        <source>&amp;Anhalten</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>Anhalten</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Punkte %1 von %2</source>
        <translation>Points %1 of %2</translation>
    </message>
    <message>
        <source>&amp;Skala</source>
        <translation>&amp;Scale</translation>
    </message>
    <message>
        <source>&amp;Wert</source>
        <translation>&amp;Value</translation>
    </message>
    <message>
        <source>&amp;log₁₀|Wert|</source>
        <translation>&amp;log₁₀|value|</translation>
    </message>
    <message>
        <source>&amp;Turmhöhe</source>
        <translation>&amp;Tower height</translation>
    </message>
    <message>
        <source>Angehalten bei x = %1 · %2</source>
        <translation>Stopped at x = %1 · %2</translation>
    </message>
    <message>
        <source>A&amp;nsicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>Ver&amp;größern</source>
        <translation>Zoom &amp;in</translation>
    </message>
    <message>
        <source>Ver&amp;kleinern</source>
        <translation>Zoom &amp;out</translation>
    </message>
    <message>
        <source>&amp;Anfangsbereich</source>
        <translation>&amp;Starting range</translation>
    </message>
    <message>
        <source>Ergebnis: %1</source>
        <translation>Result: %1</translation>
    </message>
    <message>
        <source>Ergebnis: nicht definiert</source>
        <translation>Result: undefined</translation>
    </message>
    <message>
        <source>Größe nicht bekannt</source>
        <translation>Size not known</translation>
    </message>
</context>
<context>
    <name>frmHaupt</name>
    <message>
        <source>Taschenrechner für die Staffellehre</source>
        <translation>Calculator for the Staffellehre</translation>
    </message>
    <message>
        <source>&amp;Weiteres</source>
        <translation>&amp;More</translation>
    </message>
    <message>
        <source>&amp;Quellrechenart</source>
        <translation>&amp;Source operation</translation>
    </message>
    <message>
        <source>&amp;Rechnung drucken</source>
        <translation>&amp;Print calculations</translation>
    </message>
    <message>
        <source>&amp;Protokoll</source>
        <translation>&amp;Tape</translation>
    </message>
    <message>
        <source>Sprache / &amp;Language</source>
        <translation>Sprache / &amp;Language</translation>
    </message>
    <message>
        <source>&amp;Deutsch</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>&amp;Ende</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Infos</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Funktionsweise</source>
        <translation>&amp;How it works</translation>
    </message>
    <message>
        <source>&amp;Grundlagen</source>
        <translation>&amp;Fundamentals</translation>
    </message>
    <message>
        <source>&amp;Normalalgebraische Rechenarten</source>
        <translation>&amp;Closed-form operations</translation>
    </message>
    <message>
        <source>&amp;Glossar</source>
        <translation>&amp;Glossary</translation>
    </message>
    <message>
        <source>&amp;Autor</source>
        <translation>&amp;Author</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>H^</source>
        <translation>H^</translation>
    </message>
    <message>
        <source>HyperPotenzieren</source>
        <translation>Hyper-power</translation>
    </message>
    <message>
        <source>Potenzieren</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>log</source>
        <translation>log</translation>
    </message>
    <message>
        <source>Logarithmieren</source>
        <translation>Logarithm</translation>
    </message>
    <message>
        <source>rad</source>
        <translation>root</translation>
    </message>
    <message>
        <source>Radizieren</source>
        <translation>Root</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>Multiplikation</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Subtraktion</source>
        <translation>Subtraction</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>kleinste Zahl</source>
        <translation>smallest number</translation>
    </message>
    <message>
        <source>max</source>
        <translation>max</translation>
    </message>
    <message>
        <source>größte Zahl</source>
        <translation>largest number</translation>
    </message>
    <message>
        <source>1/ 1-R</source>
        <translation>1/ 1-R</translation>
    </message>
    <message>
        <source>negative Rechenart</source>
        <translation>negative operation</translation>
    </message>
    <message>
        <source>R - 1</source>
        <translation>R - 1</translation>
    </message>
    <message>
        <source>R erniedrigen</source>
        <translation>decrease R</translation>
    </message>
    <message>
        <source>R + 1</source>
        <translation>R + 1</translation>
    </message>
    <message>
        <source>R erhöhen</source>
        <translation>increase R</translation>
    </message>
    <message>
        <source>eulersche Zahl</source>
        <translation>Euler&apos;s number</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>R / R-1</source>
        <translation>R / R-1</translation>
    </message>
    <message>
        <source>Spiegelrechenart</source>
        <translation>mirror operation</translation>
    </message>
    <message>
        <source>1 /  R</source>
        <translation>1 /  R</translation>
    </message>
    <message>
        <source>Kehrwert</source>
        <translation>reciprocal</translation>
    </message>
    <message>
        <source>Berechnung anhalten</source>
        <translation>Halt the calculation</translation>
    </message>
    <message>
        <source>M -&gt; E</source>
        <translation>M -&gt; E</translation>
    </message>
    <message>
        <source>B &lt;- M</source>
        <translation>B &lt;- M</translation>
    </message>
    <message>
        <source>Mem</source>
        <translation>Mem</translation>
    </message>
    <message>
        <source>Ergebnis ist gültig</source>
        <translation>Result is valid</translation>
    </message>
    <message>
        <source>Ergebnis ungültig</source>
        <translation>Result invalid</translation>
    </message>
    <message>
        <source>Lim e-&gt;+-oo</source>
        <translation>Lim e-&gt;+-oo</translation>
    </message>
    <message>
        <source>Grenzwert</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source> Auflösungs-      liste</source>
        <translation> Resolution      list</translation>
    </message>
    <message>
        <source>Rechne !</source>
        <translation>Calculate!</translation>
    </message>
    <message>
        <source>Berechnung starten</source>
        <translation>Start the calculation</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>CLEAR</translation>
    </message>
    <message>
        <source>Eingaben löschen</source>
        <translation>Clear the inputs</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit the program</translation>
    </message>
    <message>
        <source>Iv-Nr.</source>
        <translation>Iv-No.</translation>
    </message>
    <message>
        <source>neues Intervall</source>
        <translation>new interval</translation>
    </message>
    <message>
        <source> Intv.</source>
        <translation> Intv.</translation>
    </message>
    <message>
        <source>Intervall</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>  Intervall. G1</source>
        <translation>  Interval G1</translation>
    </message>
    <message>
        <source>  Intervall. G0</source>
        <translation>  Interval G0</translation>
    </message>
    <message>
        <source>Intervall-Schachtelung</source>
        <translation>Interval nesting</translation>
    </message>
    <message>
        <source> Rekursion G1</source>
        <translation> Recursion G1</translation>
    </message>
    <message>
        <source> Rekursion G0</source>
        <translation> Recursion G0</translation>
    </message>
    <message>
        <source> Rekursion IV</source>
        <translation> Recursion IV</translation>
    </message>
    <message>
        <source> Rekursion NA</source>
        <translation> Recursion NA</translation>
    </message>
    <message>
        <source> Rekursion III</source>
        <translation> Recursion III</translation>
    </message>
    <message>
        <source> Rekursion Ber</source>
        <translation> Recursion Ber</translation>
    </message>
    <message>
        <source>Speicher</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>gebräuchlicher Name</source>
        <translation>common name</translation>
    </message>
    <message>
        <source>step</source>
        <translation>step</translation>
    </message>
    <message>
        <source>  Standard  ( Nachfolger:  x -&gt; x + 1 )</source>
        <translation>  Standard  ( successor:  x -&gt; x + 1 )</translation>
    </message>
    <message>
        <source> Grundfunktion:</source>
        <translation> Basic function:</translation>
    </message>
    <message>
        <source>Auflösungszahl</source>
        <translation>Resolution no.</translation>
    </message>
    <message>
        <source>Rechenzahl</source>
        <translation>Operation no.</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Exponent</source>
        <translation>Exponent</translation>
    </message>
    <message>
        <source>Basis</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>  | A | =</source>
        <translation>  | A | =</translation>
    </message>
    <message>
        <source>Ziffernzahl von A</source>
        <translation>number of digits of A</translation>
    </message>
    <message>
        <source>Rechenzahl</source>
        <comment>long form</comment>
        <translation>Operation number (Rechenzahl)</translation>
    </message>
    <message>
        <source>Auflösungszahl</source>
        <comment>long form</comment>
        <translation>Resolution number (Auflösungszahl)</translation>
    </message>
    <message>
        <source>mehr als</source>
        <translation>more than</translation>
    </message>
    <message>
        <source>Größe: %1</source>
        <translation>Size: %1</translation>
    </message>
    <message>
        <source>Veraltet: gehört zur vorigen Rechnung</source>
        <translation>Stale: belongs to the previous calculation</translation>
    </message>
    <message>
        <source>Gesperrt: die Rechenzahl %1 der Rechnung, die das Feld gesperrt hat, braucht keine Auflösungszahl.
Ein Doppelklick leert das Feld und gibt es frei.</source>
        <translation>Locked: the operation number %1 of the calculation that locked the field needs no resolution number (Auflösungszahl).
A double-click empties the field and unlocks it.</translation>
    </message>
    <message>
        <source>Speicher in den Exponenten</source>
        <translation>Memory to Exponent</translation>
    </message>
    <message>
        <source>Speicher in die Basis</source>
        <translation>Memory to Base</translation>
    </message>
    <message>
        <source>Ergebnis in den Speicher</source>
        <translation>Save in Memory</translation>
    </message>
    <message>
        <source>Rekursionstiefe: Lösen nach dem Exponenten</source>
        <translation>Recursion depth: solving for the exponent</translation>
    </message>
    <message>
        <source>Rekursionstiefe: Lösen nach der Basis</source>
        <translation>Recursion depth: solving for the base</translation>
    </message>
    <message>
        <source>Rekursionstiefe: Auflösung R -&gt; 1/R</source>
        <translation>Recursion depth: resolution R -&gt; 1/R</translation>
    </message>
    <message>
        <source>Rekursionstiefe: normalalgebraische Umschreibung</source>
        <translation>Recursion depth: closed-form rewriting</translation>
    </message>
    <message>
        <source>Rekursionstiefe: Auflösung R -&gt; R-1</source>
        <translation>Recursion depth: resolution R -&gt; R-1</translation>
    </message>
    <message>
        <source>Rekursionstiefe: Berechnungsschritte</source>
        <translation>Recursion depth: calculation steps</translation>
    </message>
    <message>
        <source>Speicherinhalt</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>Größe: %1 (winzig: |Ergebnis| &lt; 10^-308)</source>
        <translation>Size: %1 (tiny: |result| &lt; 10^-308)</translation>
    </message>
</context>
<context>
    <name>frmProtokoll</name>
    <message>
        <source>Protokoll</source>
        <translation>Tape</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Speichern unter …</source>
        <translation>Save as …</translation>
    </message>
    <message>
        <source>Drucken …</source>
        <translation>Print …</translation>
    </message>
    <message>
        <source>Leeren</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Protokoll speichern unter</source>
        <translation>Save tape as</translation>
    </message>
    <message>
        <source>CSV-Datei (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
    <message>
        <source>Textdatei (*.txt)</source>
        <translation>Text file (*.txt)</translation>
    </message>
    <message>
        <source>Staffelrechner – Protokoll</source>
        <translation>Staffelrechner – Tape</translation>
    </message>
    <message>
        <source>Die gesicherte Protokolldatei war unlesbar; sie liegt nun unter %1. Das Protokoll beginnt leer.</source>
        <translation>The saved tape file could not be read; it now lies at %1. The tape starts empty.</translation>
    </message>
    <message>
        <source>Die gesicherte Protokolldatei %1 ist unlesbar und lässt sich nicht umbenennen. Sie bleibt unverändert; dieses Protokoll wird nicht gesichert.</source>
        <translation>The saved tape file %1 cannot be read nor renamed. It stays unchanged; this tape is not saved.</translation>
    </message>
    <message>
        <source>Das Protokoll lässt sich nicht in %1 sichern: %2</source>
        <translation>The tape cannot be saved in %1: %2</translation>
    </message>
    <message>
        <source>Nochmals versuchen</source>
        <translation>Try again</translation>
    </message>
    <message>
        <source>Anderswo speichern …</source>
        <translation>Save elsewhere …</translation>
    </message>
    <message>
        <source>Ohne Protokoll beenden</source>
        <translation>Quit without the tape</translation>
    </message>
    <message>
        <source>Protokolldatei (*.json)</source>
        <translation>Tape file (*.json)</translation>
    </message>
    <message>
        <source>Das Protokoll lässt sich nicht in %1 sichern: %2

Nochmals versuchen, anderswo speichern oder ohne das Protokoll dieser Sitzung beenden?</source>
        <translation>The tape cannot be saved in %1: %2

Try again, save it elsewhere, or quit without this session&apos;s tape?</translation>
    </message>
    <message>
        <source>[abgelehnt]</source>
        <translation>[refused]</translation>
    </message>
    <message>
        <source>[Graph]</source>
        <translation>[graph]</translation>
    </message>
    <message>
        <source>Alle Zeilen des Protokolls (%1) löschen? Auch die bis jetzt in anderen Fenstern des Rechners gerechneten Zeilen werden gelöscht.</source>
        <translation>Delete all rows of the tape (%1)? The rows other windows of the calculator have calculated until now are deleted too.</translation>
    </message>
</context>
<context>
    <name>frmWerte</name>
    <message>
        <source>Einstellungen der Graphik</source>
        <translation>Graph settings</translation>
    </message>
    <message>
        <source>Grenzen für die x-Werte</source>
        <translation>Bounds of the x values</translation>
    </message>
    <message>
        <source>  Untergrenze         Xmin</source>
        <translation>  Lower bound         Xmin</translation>
    </message>
    <message>
        <source>  Obergrenze          Xmax</source>
        <translation>  Upper bound         Xmax</translation>
    </message>
    <message>
        <source>Grenzen für die y-Werte (Funktionswerte)</source>
        <translation>Bounds of the y values (function values)</translation>
    </message>
    <message>
        <source>  Untergrenze         Ymin</source>
        <translation>  Lower bound         Ymin</translation>
    </message>
    <message>
        <source>  Obergrenze          Ymax</source>
        <translation>  Upper bound         Ymax</translation>
    </message>
    <message>
        <source>Gitternetz-Linien</source>
        <translation>Grid lines</translation>
    </message>
    <message>
        <source>  20 äquidistante Linien</source>
        <translation>  20 equidistant lines</translation>
    </message>
    <message>
        <source>  jede ganze Zahl</source>
        <translation>  every whole number</translation>
    </message>
    <message>
        <source>Kehrwert der Schrittweite in             x - Richtung</source>
        <translation>Number of steps in             x - direction</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Zeichnen</source>
        <translation>Draw</translation>
    </message>
</context>
</TS>
