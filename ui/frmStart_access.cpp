// What a screen reader announces, and the order in which Tab walks the window.
#include "Format.h"
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
    describe(
        picPolare, QStringLiteral("Diagramm der Grundgeschwindigkeiten"),
        QStringLiteral("Waagerecht die Geschwindigkeit über Grund in km/h, senkrecht die "
                       "Vertikalgeschwindigkeit in m/s. Zeigt die Polare im Wind, die Vektoren "
                       "und den Bremsbalken."));
    describe(VScroll1, QStringLiteral("Vertikaler Wind"),
             QStringLiteral("Oben Aufwind, unten Abwind, bis 4 m/s"));
    describe(HScroll1, QStringLiteral("Horizontaler Wind"),
             QStringLiteral("Links Gegenwind, rechts Rückenwind, bis 50 km/h"));
    describe(chkWind, QString(), QStringLiteral("Zeigt die Windvektoren im Diagramm"));
    describe(chkAirspeed, QString(),
             QStringLiteral("Zeigt die Vektoren der Luftgeschwindigkeit im Diagramm"));
    describe(
        chkBremsen, QString(),
        QStringLiteral("Gedrückt: der schwarze Bremsbalken lässt sich mit der Maus "
                       "verschieben. Sonst stellt das Programm die Bremse auf bestes Gleiten."));
    describe(cmdTour, QString(), QStringLiteral("Startet die geführte Tour in 25 Schritten"));
    describe(cmdEnde, QString(), QStringLiteral("Beendet das Programm sofort"));
    describe(cmdWeiter, QString(), QStringLiteral("Nächster Schritt der Tour"));
    describe(cboFree, QStringLiteral("Hinweise zur Weitergabe"), QString());
    // Read-outs keep their text as their name, so the reader announces the value.
    describe(txtTour, QString(), QStringLiteral("Text der Tour"));
    describe(lblInfo, QString(), QStringLiteral("Gleitzahlen in der Luft und über Grund"));
    describe(lblAufwind, QString(), QStringLiteral("Vertikaler Wind"));
    describe(lblWind, QString(), QStringLiteral("Horizontaler Wind"));
    describe(lblAuthor, QString(), QStringLiteral("Urheber"));
    for (Label *l : {lblVScrUp, lblVScrDown, lblHScrRight, lblHscrLeft}) {
        describe(l, QString(), QStringLiteral("Beschriftung der Windleiste"));
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
    const QString v = QStringLiteral("Vertikaler Wind ") + lblAufwind->caption();
    if (VScroll1->accessibleName() != v) {
        VScroll1->setAccessibleName(v);
        QAccessibleEvent e(VScroll1, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&e);
    }
    const QString h = QStringLiteral("Horizontaler Wind ") + lblWind->caption();
    if (HScroll1->accessibleName() != h) {
        HScroll1->setAccessibleName(h);
        QAccessibleEvent e(HScroll1, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&e);
    }
}
