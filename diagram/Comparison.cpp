#include "Diagram.h"
#include "Look.h"
#include "PictureBox.h"

namespace {

// Keeps the pen of the box and gives it back when it goes.
class PenKept
{
public:
    explicit PenKept(PictureBox &pic)
        : m_pic(pic), m_width(pic.DrawWidth()), m_style(pic.DrawStyle()), m_color(pic.ForeColor())
    {}
    ~PenKept()
    {
        m_pic.setDrawWidth(m_width);
        m_pic.setDrawStyle(m_style);
        m_pic.setForeColor(m_color);
    }
    PenKept(const PenKept &) = delete;
    PenKept &operator=(const PenKept &) = delete;

private:
    PictureBox &m_pic;
    int m_width;
    int m_style;
    int m_color;
};

} // namespace

void DrawComparison(PictureBox &pic, const Comparison &ghost)
{
    const PenKept kept(pic);
    pic.setDrawStyle(PictureBox::kStyleSolid);
    DrawShiftedPolar(pic, ghost.windH, ghost.windV, Look::kComparisonGrey);
    pic.setDrawWidth(2);
    pic.setForeColor(Look::kComparisonGrey);
    DrawGroundSpeedVector(pic, ghost.groundSpeedH, ghost.groundSpeedV);
}

void DrawSolution(PictureBox &pic, float gsH, float gsV)
{
    const PenKept kept(pic);
    pic.setDrawWidth(3);
    pic.setDrawStyle(PictureBox::kStyleDash);
    pic.setForeColor(Look::kSolutionViolet);
    DrawGroundSpeedVector(pic, gsH, gsV);
}
