<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
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
</context>
</TS>
