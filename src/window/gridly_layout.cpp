// Builds every control of the main window at its design position (twips,
// relative to its container) and routes the controls' events to the handlers.
#include "window/gridly.h"

#include "panel/entry_strip.h"
#include "panel/word_drag.h"
#include "panel/word_panel.h"
#include "view/background.h"
#include "view/colour_box.h"
#include "view/grid_picture.h"
#include "view/shape_box.h"
#include "view/twips.h"
#include "play/play_side.h"

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QToolButton>

namespace {

QIcon icon(const QString &name)
{
    return name.isEmpty() ? QIcon() : QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

// A picture check box shows its "on" picture while checked.
QIcon toggleIcon(const QString &name)
{
    QIcon both;
    both.addFile(QStringLiteral(":/icons/%1.svg").arg(name), {}, QIcon::Normal, QIcon::On);
    both.addFile(QStringLiteral(":/icons/%1_off.svg").arg(name), {}, QIcon::Normal, QIcon::Off);
    return both;
}

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(TwipsRect(left, top, width, height));
}

QGroupBox *frame(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *box = new QGroupBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    place(box, left, top, width, height);
    return box;
}

QLabel *label(QWidget *parent, const char *name, const QString &caption, int left, int top, int width, int height)
{
    auto *lbl = new QLabel(caption, parent);
    lbl->setObjectName(QString::fromLatin1(name));
    place(lbl, left, top, width, height);
    return lbl;
}

QFrame *line(QWidget *parent, int left, int top, int width, int height, QFrame::Shape shape)
{
    auto *ln = new QFrame(parent);
    ln->setFrameShape(shape);
    ln->setFrameShadow(QFrame::Sunken);
    place(ln, left, top, width, height);
    return ln;
}

ShapeBox *shape(QWidget *parent, const char *name, const QColor &border, int left, int top, int width, int height)
{
    auto *box = new ShapeBox(parent, border);
    box->setObjectName(QString::fromLatin1(name));
    place(box, left, top, width, height);
    return box;
}


} // namespace

QToolButton *gridly::pictureButton(QWidget *parent, const char *name, int left, int top, const QString &tip,
                                   const QString &iconName, int size)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    place(button, left, top, size, size);
    button->setToolTip(tip);
    button->setIcon(icon(iconName));
    const int px = TwipsToPixels(size);
    button->setIconSize(QSize(px - 4, px - 4));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void gridly::createControls()
{
    setObjectName(QStringLiteral("gridly"));
    QFont windowFont(QStringLiteral("Arial"));
    windowFont.setPixelSize(12);
    setFont(windowFont);
    setFixedSize(TwipsToPixels(11910), TwipsToPixels(8625));
    setWindowIcon(icon(QStringLiteral("app")));

    // The grid frame: a grey and a white outline, the grid picture centred on the white one.
    sh_fr2 = shape(this, "sh_fr2", QColor(128, 128, 128), 1185, 60, 7320, 7305);
    sh_fr = shape(this, "sh_fr", Qt::white, 1200, 75, 7320, 7305);
    pb = new GridPicture(this);
    pb->setObjectName(QStringLiteral("pb"));
    place(pb, 1230, 90, 7230, 7230);
    cr_cw = new ShapeBox(pb, Qt::red, 2);
    cr_cw->setObjectName(QStringLiteral("cr_cw"));
    cr_cw->hide();

    // Command column.
    fr_cmd = frame(this, "fr_cmd", 75, -60, 1020, 7440);
    Label2 = label(fr_cmd, "Label2", QStringLiteral("Grid Box"), 150, 195, 840, 225);
    Label2->setToolTip(QStringLiteral("Change Grid Box Color"));
    constexpr std::array<std::array<int, 2>, 6> boxPlaces{{{90, 435}, {390, 435}, {690, 435},
                                                           {690, 750}, {390, 750}, {90, 750}}};
    for (int i = 0; i < 6; ++i) {
        const Rgb rgb = GRID_BOX_COLOURS[std::size_t(i)];
        cl_gbox[std::size_t(i)] = new ColourBox(fr_cmd, i, QColor(rgb.r, rgb.g, rgb.b));
        cl_gbox[std::size_t(i)]->setObjectName(QStringLiteral("cl_gbox_%1").arg(i));
        place(cl_gbox[std::size_t(i)], boxPlaces[std::size_t(i)][0], boxPlaces[std::size_t(i)][1], 240, 240);
    }
    line(fr_cmd, 30, 1080, 960, 30, QFrame::HLine);
    // The size bars are a little thicker than their design (90 twips) so that
    // they can be handled; the labels move aside to make room.
    scr_gcols = new QScrollBar(Qt::Horizontal, fr_cmd);
    scr_gcols->setObjectName(QStringLiteral("scr_gcols"));
    place(scr_gcols, 75, 1155, 900, 165);
    lb_gcols = label(fr_cmd, "lb_gcols", QStringLiteral("00"), 420, 1335, 330, 225);
    scr_grows = new QScrollBar(Qt::Vertical, fr_cmd);
    scr_grows->setObjectName(QStringLiteral("scr_grows"));
    place(scr_grows, 75, 1335, 165, 900);
    lb_grows = label(fr_cmd, "lb_grows", QStringLiteral("00"), 255, 1770, 270, 225);
    // Too small for arrows: a track that steps one cell per click, and a handle.
    scr_gcols->setStyleSheet(QStringLiteral(
        "QScrollBar { background: #f4f4f4; border: 1px solid #9a9a9a; border-radius: 2px; }"
        "QScrollBar::handle { background: #6f87a8; border-radius: 2px; min-width: 10px; }"
        "QScrollBar::add-line, QScrollBar::sub-line { width: 0px; border: none; }"
        "QScrollBar::add-page, QScrollBar::sub-page { background: none; }"));
    scr_grows->setStyleSheet(QStringLiteral(
        "QScrollBar { background: #f4f4f4; border: 1px solid #9a9a9a; border-radius: 2px; }"
        "QScrollBar::handle { background: #6f87a8; border-radius: 2px; min-height: 10px; }"
        "QScrollBar::add-line, QScrollBar::sub-line { height: 0px; border: none; }"
        "QScrollBar::add-page, QScrollBar::sub-page { background: none; }"));
    for (QScrollBar *bar : {scr_gcols, scr_grows}) {
        bar->setRange(GRIDMIN, GRIDMAX);
        bar->setPageStep(1);
    }
    cb_resize = pictureButton(fr_cmd, "cb_resize", 450, 1605, QStringLiteral("Set to Minimun Size"), QStringLiteral("resize"));
    line(fr_cmd, 30, 2250, 960, 30, QFrame::HLine);
    const std::array<std::array<int, 2>, 4> movePlaces{{{390, 2640}, {660, 2925}, {390, 3195}, {120, 2925}}};
    const std::array<QString, 4> moveTips{QStringLiteral("Move Words Up"), QStringLiteral("Move Words Right"),
                                          QStringLiteral("Move Words Down"), QStringLiteral("Move Words Left")};
    const std::array<QString, 4> moveIcons{QStringLiteral("move_up"), QStringLiteral("move_right"),
                                           QStringLiteral("move_down"), QStringLiteral("move_left")};
    for (std::size_t i = 0; i < 4; ++i) {
        mv_words[i] = pictureButton(fr_cmd, nullptr, movePlaces[i][0], movePlaces[i][1], moveTips[i], moveIcons[i], 270);
        mv_words[i]->setObjectName(QStringLiteral("mv_words_%1").arg(i));
        mv_words[i]->setIconSize(QSize(14, 14));
    }
    line(fr_cmd, 30, 3900, 960, 30, QFrame::HLine);
    cb_procfixsize = pictureButton(fr_cmd, "cb_procfixsize", 75, 4050, QStringLiteral("Generate (Fixed Size)"), QStringLiteral("generate_fixed"));
    cb_procAutosz = pictureButton(fr_cmd, "cb_procAutosz", 540, 4050, QStringLiteral("Generate (Auto Size)"), QStringLiteral("generate_auto"));
    cb_putword = pictureButton(fr_cmd, "cb_putword", 75, 4530, QStringLiteral("Auto Put Word in Grid"), QStringLiteral("putword"));
    cb_cleargrid = pictureButton(fr_cmd, "cb_cleargrid", 540, 4530, QStringLiteral("Clear Grid"), QStringLiteral("cleargrid"));
    cb_play = pictureButton(fr_cmd, "cb_play", 75, 5220, QStringLiteral("Do Cross Word"), QStringLiteral("play"));
    cb_help = pictureButton(fr_cmd, "cb_help", 540, 5220, QStringLiteral("Help"), QStringLiteral("help"));
    ck_gridwrd = pictureButton(fr_cmd, "ck_gridwrd", 75, 5925, QStringLiteral("Grid Words on/off"), QStringLiteral("gridwords"));
    ck_gridwrd->setCheckable(true);
    ck_gridwrd->setIcon(toggleIcon(QStringLiteral("gridwords")));
    ck_gridwrd->setChecked(true);
    cb_print = pictureButton(fr_cmd, "cb_print", 540, 5925, QStringLiteral("Print"), QStringLiteral("print"));
    cb_new = pictureButton(fr_cmd, "cb_new", 75, 6405, QStringLiteral("New Cross Word"), QStringLiteral("new"));
    cb_open = pictureButton(fr_cmd, "cb_open", 540, 6405, QStringLiteral("Open"), QStringLiteral("open"));
    cb_save = pictureButton(fr_cmd, "cb_save", 75, 6870, QStringLiteral("Save"), QStringLiteral("save"));
    cb_exit = pictureButton(fr_cmd, "cb_exit", 540, 6870, QStringLiteral("Exit"), QStringLiteral("exit"));

    m_panel = new WordPanel(this, m_puzzle);

    m_drag = new WordDrag(this, m_puzzle);
    m_entry = new EntryStrip(this, m_puzzle, m_desktop);

    // Logo, and the play strip that only a widened frame shows.
    fr_logo = frame(this, "fr_logo", 75, 7380, 1020, 1170);
    imglogo = label(fr_logo, "imglogo", {}, 30, 90, 960, 1005);
    imglogo->setPixmap(icon(QStringLiteral("logo")).pixmap(64, 67));
    imglogo->setAlignment(Qt::AlignCenter);
    m_play = new PlaySide(this, fr_logo, pb, m_puzzle, m_desktop);

    // The stacking of the design: shapes under the grid, the boxes over it.
    sh_fr2->lower();
    sh_fr->stackUnder(pb);
}
