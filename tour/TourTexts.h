#pragma once

#include <QtGlobal>

// The texts of the tour's 25 steps. Two paragraphs are joined by one carriage return,
// which the panel shows as a line break.

namespace TourTexts {

inline const char *const kStep1 =
    QT_TRANSLATE_NOOP("Tour", "Willkommen zur Windrechner Einführungs- und Erklärungstour"
                              "\r"
                              "Mit dem 'Weiter'-Button klickt man sich durch die Tour");
inline const char *const kStep2 = QT_TRANSLATE_NOOP(
    "Tour",
    "Dieses Programm soll den Einfluß des Windes, sowohl horizontal als auch vertikal, auf die "
    "Gleitzahl bzw. den Gleitwinkel über Grund veranschaulichen."
    "\r"
    "Vor allem die optimale Bremsstellung für 'bestes Gleiten' bei verschiedenen Windeinflüssen "
    "sollte für den Piloten ersichtlich werden.");
inline const char *const kStep3 = QT_TRANSLATE_NOOP(
    "Tour", "Dargestellt ist im Diagramm das Koordinatensystem der Grundgeschwindigkeiten.");
inline const char *const kStep4 = QT_TRANSLATE_NOOP(
    "Tour",
    "Bei Nullwind entspricht es gleichzeitig dem Koordinatensystem der Luftgeschwindigkeiten.");
inline const char *const kStep5 = QT_TRANSLATE_NOOP(
    "Tour",
    "Zwischen horizontaler (Vorwärtsfahrt) und vertikaler (Sinkgeschwindigkeit) Geschwindigkeit "
    "gegenüber der Luft besteht bei jedem Flächenluftfahrzeug ein fester Zusammenhang, der über "
    "die sogenannte Geschwindigkeitspolare dargestellt wird.");
inline const char *const kStep6 = QT_TRANSLATE_NOOP(
    "Tour",
    "Die Polare umfaßt den gesamten erfliegbaren Geschwindigkeitsbereich des Gleitschirms."
    "\r"
    "Auf welchem Punkt der Polare sich der Schirm gerade befindet, steuert der Pilot über die "
    "Bremsstellung.");
inline const char *const kStep7 = QT_TRANSLATE_NOOP(
    "Tour",
    "Interessant wird es, wenn der Windeinfluß hinzukommt:"
    "\r"
    "Die Windgeschwindigkeiten (horiziontal und vertikal) werden zu den Luftgeschwindigkeiten des "
    "Schirms addiert. Bei Gegenwind (negatives Vorzeichen) oder Aufwind subtrahiert sich die "
    "Windgeschwindigkeit von der zugehörigen Luftgeschwindigkeit.");
inline const char *const kStep8 = QT_TRANSLATE_NOOP(
    "Tour",
    "Hierdurch verschiebt sich jeder einzelne Zustandspunkt der Polare mit dem Wind gegen das "
    "Grundgeschwindigkeits-Koordinatensystem."
    "\r"
    "Im Ergebnis verschiebt sich somit die gesamte Polare mit dem Wind, während der Ursprung des "
    "Grundgeschwindigkeitsvektors (grün) fix bleibt.");
inline const char *const kStep9 = QT_TRANSLATE_NOOP(
    "Tour",
    "Der Grundgeschwindigkeitsvektor (grün) ergibt sich aus der Vektoraddition der "
    "Windgeschwindigkeiten (blau) und der Luftgeschwindigkeiten des Schirms (rot)."
    "\r"
    "Man könnte auch sagen, das Koordinatensystem und damit der Ursprung der Luftgeschwindigkeiten "
    "werden um die Beträge der Windgeschwindigkeiten gegen das Koordinatensystem der "
    "Grundgeschwindigkeiten (schwarz) verschoben.");
inline const char *const kStep10 = QT_TRANSLATE_NOOP("Tour", "Aber nun zum 'Besten Gleiten':");
inline const char *const kStep11 = QT_TRANSLATE_NOOP(
    "Tour",
    "Die Geschwindigkeit des besten Gleitens über Grund (und die dazugehörige optimale "
    "Bremsstellung) erhält man durch Anlegen eines tangentialen Grundgeschwindigkeitsvektors "
    "(grün) an die Polare.");
inline const char *const kStep12 = QT_TRANSLATE_NOOP(
    "Tour",
    "Zeichnet man weitere mögliche - von der Bremsstellung abhängige - Vektoren ein, so erkennt "
    "man, daß in allen Fällen der Gleitwinkel größer und somit schlechter wird.");
inline const char *const kStep13 = QT_TRANSLATE_NOOP(
    "Tour",
    "Das eigentliche Ziel dieses Programms ist es, nun aufzuzeigen, wie sich der Punkt des besten "
    "Gleitens und damit die optimale Bremsstellung unter Windeinfluß verändern:");
inline const char *const kStep14 = QT_TRANSLATE_NOOP(
    "Tour",
    "Lassen wir die Bremsstellung zuerst einmal fest und nehmen einen Gegenwind von 25km/h an:"
    "\r"
    "Man erkennt, daß nun der für die Gleitzahl und den Gleitwinkel entscheidende "
    "Grundgeschwindigekitsvektor (grün) nicht mehr tangential an der Polare anliegt, sondern diese "
    "schneidet.");
inline const char *const kStep15 = QT_TRANSLATE_NOOP(
    "Tour",
    "Dies bedeutet, daß der Pilot sein Gleiten über Grund durch eine Anpassung der Bremsstellung "
    "verbessern kann. Man erkennt direkt aus dem Diagramm, daß ein Lösen der Bremsen (ab einer "
    "bestimmten Windgeschwindigkeit sogar ein Beschleunigen) den Gleitwinkel flacher und damit die "
    "Gleitzahl besser werden läßt.");
inline const char *const kStep16 = QT_TRANSLATE_NOOP(
    "Tour",
    "Wir erhöhen also die Luftgeschwindigkeit soweit, bis der Grundgeschwindigkeitsvektor wieder "
    "tangential an der Polare anliegt."
    "\r"
    "Ein weiteres Beschleunigen hätte wiederum eine Verschlechterung des Gleitwinkels zur Folge.");
inline const char *const kStep17 =
    QT_TRANSLATE_NOOP("Tour", "Umgekehrt verhält es sich bei Rückenwind.");
inline const char *const kStep18 = QT_TRANSLATE_NOOP(
    "Tour",
    "Hier kann geringfügig mehr angebremst werden. Stellt man sich extreme Windgeschwindigkeiten "
    "vor, welche die Polare allerdings aus dem Diagramm schieben würden, so nähert sich die "
    "optimale Bremsstellung maximal bis an den Punkt des geringsten Sinkens (also dem Maximum der "
    "Polare) an.");
inline const char *const kStep19 = QT_TRANSLATE_NOOP(
    "Tour",
    "Das Verhalten in diesem Fall oder den Einfluß von Auf- und Abwinden findet man aber am besten "
    "durch Experimentieren mit den Wind-Scrollbars und dem Balken für die Bremstellung heraus.");
inline const char *const kStep20 =
    QT_TRANSLATE_NOOP("Tour", "Bei Abwind verhält es sich ähnlich, wie bei Gegenwind:");
inline const char *const kStep21 = QT_TRANSLATE_NOOP(
    "Tour",
    "Auch hier kann durch geringeres Anbremsen eine Verbesserung des Gleitens erzielt werden.");
inline const char *const kStep22 = QT_TRANSLATE_NOOP(
    "Tour",
    "Es muß abschließend gesagt werden, daß die optimale Bremsstellung für bestes Gleiten nur in "
    "ganz bestimmten Fällen des Streckenfluges relevant ist:");
inline const char *const kStep23 = QT_TRANSLATE_NOOP(
    "Tour",
    "Immer dann, wenn aus bestimmten Ausgangshöhen möglichst weite Strecken zurückzulegen sind, "
    "etwa bei Talquerungen oder Endanflügen auf Zielpunkte wird das beste Gleiten über Grund "
    "entscheidend."
    "\r"
    "Aber auch in kritischen Situationen, wie etwa starke Talwinde bei der Landung oder der "
    "Versatz ins Lee beim Soaren machen unter Umständen ein Wissen um diese Zusammenhänge "
    "unabdingbar.");
inline const char *const kStep24 = QT_TRANSLATE_NOOP(
    "Tour",
    "Befindet man sich hingegen in Aufwind, so läßt sich zwar für diese Fälle mit diesem Programm "
    "das beste Gleiten darstellen, es handelt sich dabei gewissermaßen um das steilste Steigen."
    "\r"
    "Flugtaktisch muß dies allerdings nicht zwingend dei beste Lösung sein, vielmehr wird man hier "
    "eher noch stärker zurückbremsen, um möglichst lange im Aufwind verbleiben zu können.");
inline const char *const kStep25 = QT_TRANSLATE_NOOP(
    "Tour",
    "Tip zur Verwendung des Programms:"
    "\r"
    "Es ist manchmal sinnvoll, die Vektoren für Wind- und/oder Luftgeschwindigkeit abzuschalten um "
    "das Diagramm übersichtlicher zu halten.");

} // namespace TourTexts
