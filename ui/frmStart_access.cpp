// What a screen reader announces, and the order in which Tab walks the window.
#include "Format.h"
#include "Language.h"
#include "frmStart.h"

#include <QAccessible>

namespace {

void describe(QWidget *w, const QString &name, const QString &description)
{
    if (!name.isEmpty()) {
        w->setAccessibleName(name);
    }
    w->setAccessibleDescription(description);
}

} // namespace

void frmStart::setUpAccessibility()
{
    describe(picPolare, translated("Window", "Diagramm der Grundgeschwindigkeiten"),
             translated("Window",
                        "Waagerecht die Geschwindigkeit über Grund in km/h, senkrecht die "
                        "Vertikalgeschwindigkeit in m/s. Zeigt die Polare im Wind, die Vektoren "
                        "und den Bremsbalken."));
    describe(VScroll1, translated("Window", "Vertikaler Wind"),
             translated("Window", "Oben Aufwind, unten Abwind, bis 4 m/s"));
    describe(HScroll1, translated("Window", "Horizontaler Wind"),
             translated("Window", "Links Gegenwind, rechts Rückenwind, bis 50 km/h"));
    describe(chkWind, QString(), translated("Window", "Zeigt die Windvektoren im Diagramm"));
    describe(chkAirspeed, QString(),
             translated("Window", "Zeigt die Vektoren der Luftgeschwindigkeit im Diagramm"));
    describe(chkBremsen, QString(),
             translated("Window",
                        "Gedrückt: der schwarze Bremsbalken lässt sich mit der Maus "
                        "verschieben. Sonst stellt das Programm die Bremse auf bestes Gleiten."));
    describe(cmdTour, QString(), translated("Window", "Startet die geführte Tour in 25 Schritten"));
    describe(cmdEnde, QString(), translated("Window", "Beendet das Programm sofort"));
    describe(cmdWeiter, QString(), translated("Window", "Nächster Schritt der Tour"));
    describe(cboFree, translated("Window", "Hinweise zur Weitergabe"), QString());
    // Read-outs keep their text as their name, so the reader announces the value.
    describe(txtTour, QString(), translated("Window", "Text der Tour"));
    describe(lblInfo, QString(), translated("Window", "Gleitzahlen in der Luft und über Grund"));
    describe(lblAufwind, QString(), translated("Window", "Vertikaler Wind"));
    describe(lblWind, QString(), translated("Window", "Horizontaler Wind"));
    describe(lblAuthor, QString(), translated("Window", "Urheber"));
    for (Label *l : {lblVScrUp, lblVScrDown, lblHScrRight, lblHscrLeft}) {
        describe(l, QString(), translated("Window", "Beschriftung der Windleiste"));
    }

    // Tab follows the layout: the diagram's button, the bars, then the bottom rows.
    VScroll1->setFocusPolicy(Qt::StrongFocus);
    HScroll1->setFocusPolicy(Qt::StrongFocus);
    QWidget *order[] = {cmdWeiter,   VScroll1,   HScroll1, cboFree, chkWind,
                        chkAirspeed, chkBremsen, cmdTour,  cmdEnde};
    for (size_t i = 0; i + 1 < std::size(order); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
}

void frmStart::announceWinds()
{
    const QString v = translated("Window", "Vertikaler Wind ") + lblAufwind->caption();
    if (VScroll1->accessibleName() != v) {
        VScroll1->setAccessibleName(v);
        QAccessibleEvent e(VScroll1, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&e);
    }
    const QString h = translated("Window", "Horizontaler Wind ") + lblWind->caption();
    if (HScroll1->accessibleName() != h) {
        HScroll1->setAccessibleName(h);
        QAccessibleEvent e(HScroll1, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&e);
    }
}
