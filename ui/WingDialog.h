#pragma once

#include "Wing.h"

#include <QDialog>

class QDoubleSpinBox;

// Asks for the take-off mass and the speed range of a polar file just read, prefilled
// from the file: a three-point line brings its mass and its three speeds, a table of
// points its slowest and fastest measured airspeed.
class WingDialog : public QDialog
{
    Q_OBJECT
public:
    // path is the file's, fileName the name to show.
    WingDialog(const PolarData &data, const std::string &path, const QString &fileName,
               QWidget *parent = nullptr);

    // The dialog's values as the user's choice for the file at path.
    WingChoice choice(const std::string &path) const;

    // OK: where the choice is doubtful (speeds well beyond the measured points, trim below
    // least sink), the notes are shown first, and the user loads or goes back.
    void accept() override;

private:
    QDoubleSpinBox *addField(const QString &label, double min, double max, double value,
                             const QString &suffix);

    PolarData m_data;
    std::string m_path;
    bool m_table = false;
    QDoubleSpinBox *m_mass = nullptr;
    QDoubleSpinBox *m_refMass = nullptr;
    QDoubleSpinBox *m_min = nullptr;
    QDoubleSpinBox *m_trim = nullptr;
    QDoubleSpinBox *m_max = nullptr;
};
