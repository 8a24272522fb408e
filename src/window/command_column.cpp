#include "window/command_column.h"

#include "document/command_state.h"
#include "document/gridlymod.h"
#include "view/colour_box.h"
#include "view/design_controls.h"
#include "view/size_bar.h"

#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

namespace {

// Too small for arrows: a track that steps one cell per click, and a handle.
QScrollBar *MakeSizeBar(QWidget *parent, Qt::Orientation orientation)
{
    auto *bar = new SizeBar(orientation, parent);
    bar->setRange(GRIDMIN, GRIDMAX);
    bar->setPageStep(1);
    bar->setFocusPolicy(Qt::TabFocus);  // the arrow keys change the size
    return bar;
}

}  // namespace

CommandColumn::CommandColumn(QWidget *window)
{
    fr_cmd = FrameAt(window, "fr_cmd", 75, -60, 1020, 7440);
    QLabel *title = LabelAt(fr_cmd, "Label2", QStringLiteral("Grid Box"), 150, 195, 840, 225);
    title->setToolTip(QStringLiteral("Change Grid Box Color"));
    constexpr std::array<std::array<int, 2>, 6> boxPlaces{
        {{90, 435}, {390, 435}, {690, 435}, {690, 750}, {390, 750}, {90, 750}}};
    const std::array<QString, 6> colourNames{QStringLiteral("White"), QStringLiteral("Light Grey"),
                                             QStringLiteral("Grey"),  QStringLiteral("Teal"),
                                             QStringLiteral("Black"), QStringLiteral("Dark Grey")};
    for (std::size_t i = 0; i < cl_gbox.size(); ++i) {
        const Rgb rgb = GRID_BOX_COLOURS[i];
        cl_gbox[i] = new ColourBox(fr_cmd, int(i), QColor(rgb.r, rgb.g, rgb.b), colourNames[i]);
        cl_gbox[i]->setObjectName(QStringLiteral("cl_gbox_%1").arg(i));
        PlaceTwips(cl_gbox[i], boxPlaces[i][0], boxPlaces[i][1], 240, 240);
    }
    LineAt(fr_cmd, 30, 1080, 960, 30, QFrame::HLine);
    // The size bars are a little thicker than their design (90 twips) so that
    // they can be handled; the labels move aside to make room.
    scr_gcols = Named(MakeSizeBar(fr_cmd, Qt::Horizontal), "scr_gcols", 75, 1155, 900, 165);
    scr_gcols->setAccessibleName(QStringLiteral("Grid columns"));
    lb_gcols = LabelAt(fr_cmd, "lb_gcols", QStringLiteral("00"), 420, 1335, 330, 225);
    scr_grows = Named(MakeSizeBar(fr_cmd, Qt::Vertical), "scr_grows", 75, 1335, 165, 900);
    scr_grows->setAccessibleName(QStringLiteral("Grid rows"));
    lb_grows = LabelAt(fr_cmd, "lb_grows", QStringLiteral("00"), 255, 1770, 270, 225);
    cb_resize =
        PictureButton(fr_cmd, "cb_resize", 450, 1605, QStringLiteral("Set to Minimun Size"), QStringLiteral("resize"));
    LineAt(fr_cmd, 30, 2250, 960, 30, QFrame::HLine);
    const std::array<std::array<int, 2>, 4> movePlaces{{{390, 2640}, {660, 2925}, {390, 3195}, {120, 2925}}};
    const std::array<QString, 4> moveTips{QStringLiteral("Move Words Up"), QStringLiteral("Move Words Right"),
                                          QStringLiteral("Move Words Down"), QStringLiteral("Move Words Left")};
    const std::array<QString, 4> moveIcons{QStringLiteral("move_up"), QStringLiteral("move_right"),
                                           QStringLiteral("move_down"), QStringLiteral("move_left")};
    for (std::size_t i = 0; i < mv_words.size(); ++i) {
        mv_words[i] =
            PictureButton(fr_cmd, nullptr, movePlaces[i][0], movePlaces[i][1], moveTips[i], moveIcons[i], 270);
        mv_words[i]->setObjectName(QStringLiteral("mv_words_%1").arg(i));
        mv_words[i]->setIconSize(QSize(14, 14));
    }
    LineAt(fr_cmd, 30, 3900, 960, 30, QFrame::HLine);
    cb_procfixsize = PictureButton(fr_cmd, "cb_procfixsize", 75, 4050, QStringLiteral("Generate (Fixed Size)"),
                                   QStringLiteral("generate_fixed"));
    cb_procAutosz = PictureButton(fr_cmd, "cb_procAutosz", 540, 4050, QStringLiteral("Generate (Auto Size)"),
                                  QStringLiteral("generate_auto"));
    cb_putword = PictureButton(fr_cmd, "cb_putword", 75, 4530, QStringLiteral("Auto Put Word in Grid"),
                               QStringLiteral("putword"));
    cb_cleargrid =
        PictureButton(fr_cmd, "cb_cleargrid", 540, 4530, QStringLiteral("Clear Grid"), QStringLiteral("cleargrid"));
    cb_play = PictureButton(fr_cmd, "cb_play", 75, 5220, QStringLiteral("Do Cross Word"), QStringLiteral("play"));
    cb_help = PictureButton(fr_cmd, "cb_help", 540, 5220, QStringLiteral("Help"), QStringLiteral("help"));
    ck_gridwrd =
        PictureButton(fr_cmd, "ck_gridwrd", 75, 5925, QStringLiteral("Grid Words on/off"), QStringLiteral("gridwords"));
    ck_gridwrd->setCheckable(true);
    ck_gridwrd->setIcon(ToggleIcon(QStringLiteral("gridwords")));
    ck_gridwrd->setChecked(true);
    cb_print = PictureButton(fr_cmd, "cb_print", 540, 5925, QStringLiteral("Print"), QStringLiteral("print"));
    cb_new = PictureButton(fr_cmd, "cb_new", 75, 6405, QStringLiteral("New Cross Word"), QStringLiteral("new"));
    cb_open = PictureButton(fr_cmd, "cb_open", 540, 6405, QStringLiteral("Open"), QStringLiteral("open"));
    cb_save = PictureButton(fr_cmd, "cb_save", 75, 6870, QStringLiteral("Save"), QStringLiteral("save"));
    cb_exit = PictureButton(fr_cmd, "cb_exit", 540, 6870, QStringLiteral("Exit"), QStringLiteral("exit"));
}

void CommandColumn::Enable(const CommandStates &states)
{
    cb_new->setEnabled(states.cb_new);
    cb_save->setEnabled(states.cb_save);
    cb_print->setEnabled(states.cb_print);
    cb_play->setEnabled(states.cb_play);
    cb_procAutosz->setEnabled(states.cb_procAutosz);
    cb_procfixsize->setEnabled(states.cb_procfixsize);
    cb_cleargrid->setEnabled(states.cb_cleargrid);
    ck_gridwrd->setEnabled(states.ck_gridwrd);
    cb_putword->setEnabled(states.cb_putword);
}

void CommandColumn::ShowSize(int cols, int rows)
{
    const QSignalBlocker quietCols(scr_gcols);
    const QSignalBlocker quietRows(scr_grows);
    scr_gcols->setValue(cols);
    scr_grows->setValue(rows);
    lb_gcols->setText(QString::number(cols));
    lb_grows->setText(QString::number(rows));
}

QWidgetList CommandColumn::TabOrder() const
{
    return {cl_gbox[0],     cl_gbox[1],    cl_gbox[2],      cl_gbox[5],    cl_gbox[4],     cl_gbox[3],
            scr_gcols,      scr_grows,     cb_resize,       mv_words[0],   mv_words[3],    mv_words[1],
            mv_words[2],    cb_procfixsize, cb_procAutosz,  cb_putword,    cb_cleargrid,   cb_play,
            cb_help,        ck_gridwrd,    cb_print,        cb_new,        cb_open,        cb_save,
            cb_exit};
}

void CommandColumn::ChooseColour(int index)
{
    for (std::size_t i = 0; i < cl_gbox.size(); ++i)
        cl_gbox[i]->setChosen(int(i) == index);
}
