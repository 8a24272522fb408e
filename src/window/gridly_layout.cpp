// Builds every control of the main window at its design position (twips,
// relative to its container) and routes the controls' events to the handlers.
#include "window/gridly.h"

#include "panel/panel_layout.h"
#include "panel/row_label.h"
#include "view/background.h"
#include "view/colour_box.h"
#include "view/grid_picture.h"
#include "view/shape_box.h"
#include "view/svg_icon.h"
#include "view/twips.h"
#include "play/clue_list.h"

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
    return name.isEmpty() ? QIcon() : SvgIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

// A picture check box shows its "on" picture while checked.
QIcon toggleIcon(const QString &name)
{
    return SvgIcon(QStringLiteral(":/icons/%1.svg").arg(name), QStringLiteral(":/icons/%1_off.svg").arg(name));
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
    SetWindowIconAfterFirstPaint(this, icon(QStringLiteral("app")));

    // The grid frame: a grey and a white outline, the grid picture centred on the white one.
    sh_fr2 = shape(this, "sh_fr2", QColor(128, 128, 128), 1185, 60, 7320, 7305);
    sh_fr = shape(this, "sh_fr", Qt::white, 1200, 75, 7320, 7305);
    pb = new GridPicture(this);
    pb->setObjectName(QStringLiteral("pb"));
    place(pb, 1230, 90, 7230, 7230);
    cr_cw = new ShapeBox(pb, Qt::red, 2);
    cr_cw->setObjectName(QStringLiteral("cr_cw"));
    cr_cw->hide();
    cr_inp = new ShapeBox(pb, Qt::blue, 2);
    cr_inp->setObjectName(QStringLiteral("cr_inp"));
    place(cr_inp, 0, 0, 330, 330);
    cr_inp->hide();

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

    // Word panel.
    fr_winp = frame(this, "fr_winp", 8565, -60, 3330, 6195);
    lb_wind = label(fr_winp, "lb_wind", {}, 15, 210, 90, 390);
    SetBackground(lb_wind, Qt::red);
    lb_wind->hide();
    for (int r = 0; r < PANEL_ROWS; ++r) {
        RowLabel *row = new RowLabel(fr_winp, r);
        row->setObjectName(QStringLiteral("w_inp_%1").arg(r));
        place(row, ROW_LEFT, ROW_TOPS[std::size_t(r)], ROW_WIDTH, r == 0 ? FIRST_ROW_HEIGHT : ROW_HEIGHT);
        w_inp[std::size_t(r)] = row;
    }
    lb_wind->raise();
    w_scroll = new QScrollBar(Qt::Vertical, fr_winp);
    w_scroll->setObjectName(QStringLiteral("w_scroll"));
    place(w_scroll, 3030, 225, 225, 5280);
    w_scroll->setRange(1, 1);
    w_scroll->setSingleStep(1);
    w_scroll->setPageStep(15);
    Label1 = label(fr_winp, "Label1", QStringLiteral("Word Count:"), 360, 5715, 1245, 255);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lb_wcnt = label(fr_winp, "lb_wcnt", QStringLiteral("0"), 1665, 5685, 720, 285);
    lb_wcnt->setAlignment(Qt::AlignCenter);
    lb_wcnt->setFrameStyle(QFrame::Box | QFrame::Plain);
    SetBackground(lb_wcnt, QColor(192, 255, 255));

    // Direction control below the panel.
    sh_chg1 = shape(this, "sh_chg1", QColor(128, 128, 128), 8565, 6195, 3315, 1170);
    sh_chg2 = shape(this, "sh_chg2", Qt::white, 8580, 6210, 3315, 1170);
    drg_change = label(this, "drg_change", {}, 9930, 6510, 540, 540);
    drg_change->setAlignment(Qt::AlignCenter);
    SetBackground(drg_change, QColor(224, 224, 224));
    Label3 = label(this, "Label3", QStringLiteral("Direction"), 9690, 7080, 1020, 225);
    Label3->setAlignment(Qt::AlignCenter);
    drga_ico = icon(QStringLiteral("across")).pixmap(QSize(32, 32), devicePixelRatio());
    drgd_ico = icon(QStringLiteral("down")).pixmap(QSize(32, 32), devicePixelRatio());

    // Entry strip.
    fr_inp = frame(this, "fr_inp", 1185, 7380, 10710, 1170);
    inp_word = new QLineEdit(fr_inp);
    inp_word->setObjectName(QStringLiteral("inp_word"));
    place(inp_word, 105, 460, 2910, 315);
    inp_clue = new QLineEdit(fr_inp);
    inp_clue->setObjectName(QStringLiteral("inp_clue"));
    place(inp_clue, 3030, 460, 5790, 315);
    cb_addword = pictureButton(fr_inp, "cb_addword", 8880, 410, QStringLiteral("Add A Word"), QStringLiteral("addword"));
    cb_updtword = pictureButton(fr_inp, "cb_updtword", 9325, 410, QStringLiteral("Update Current Word"), QStringLiteral("updateword"));
    cb_delword = pictureButton(fr_inp, "cb_delword", 9770, 410, QStringLiteral("Delete Current Word"), QStringLiteral("deleteword"));
    cb_addword->setFocusPolicy(Qt::TabFocus);  // Enter in the clue box leads here
    cb_clear = pictureButton(fr_inp, "cb_clear", 10215, 410, QStringLiteral("Clear Input Area"), QStringLiteral("clearinput"));

    // Logo, and the play strip that only a widened frame shows.
    fr_logo = frame(this, "fr_logo", 75, 7380, 1020, 1170);
    imglogo = label(fr_logo, "imglogo", {}, 30, 90, 960, 1005);
    imglogo->setPixmap(icon(QStringLiteral("logo")).pixmap(QSize(64, 67), devicePixelRatio()));
    imglogo->setAlignment(Qt::AlignCenter);
    Line3 = line(fr_logo, 1260, 90, 30, 990, QFrame::VLine);
    lb_playstat = label(fr_logo, "lb_playstat", {}, 1440, 570, 4095, 330);
    lb_playstat->setAlignment(Qt::AlignCenter);
    lb_playstat->setFrameStyle(QFrame::Box | QFrame::Plain);
    SetBackground(lb_playstat, QColor(255, 255, 128));
    ck_valid_word = pictureButton(fr_logo, "ck_valid_word", 5655, 195, QStringLiteral("Valid Word Indicator on/off"), QStringLiteral("validword"));
    ck_valid_word->setCheckable(true);
    ck_valid_word->setIcon(toggleIcon(QStringLiteral("validword")));
    cb_autoword = pictureButton(fr_logo, "cb_autoword", 5655, 660, QStringLiteral("Get Word"), QStringLiteral("getword"));
    // Start-up gives it the picture of "Do Cross Word": clearing all answers starts the puzzle again.
    cb_playreset = pictureButton(fr_logo, "cb_playreset", 6150, 195, QStringLiteral("Clear All Words"), {});
    cb_playresetword = pictureButton(fr_logo, "cb_playresetword", 6150, 660, QStringLiteral("Clear Current Word"), QStringLiteral("clearword"));
    cb_dsng = pictureButton(fr_logo, "cb_dsng", 6630, 195, QStringLiteral("Design"), QStringLiteral("design"));
    cb_exit2 = pictureButton(fr_logo, "cb_exit2", 6630, 660, QStringLiteral("Exit"), QStringLiteral("exit"));

    // Clue lists of play mode.
    for (ClueList **list : {&clue_lst_A, &clue_lst_D}) {
        *list = new ClueList(this);
        (*list)->setFocusPolicy(Qt::TabFocus);  // a player may choose clues with the keyboard
        QPalette pal = (*list)->palette();
        pal.setColor(QPalette::Base, QColor(224, 224, 224));
        pal.setColor(QPalette::Text, Qt::blue);
        pal.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));  // a completed puzzle's lists
        (*list)->setPalette(pal);
        (*list)->hide();
    }
    clue_lst_A->setObjectName(QStringLiteral("clue_lst_A"));
    clue_lst_D->setObjectName(QStringLiteral("clue_lst_D"));
    place(clue_lst_A, 10845, 6270, 4350, 480);
    place(clue_lst_D, 10845, 6855, 4350, 480);

    // The drag picture floats above everything while a word is dragged.
    pb_drg = new QLabel(this);
    pb_drg->setObjectName(QStringLiteral("pb_drg"));
    pb_drg->setAttribute(Qt::WA_TransparentForMouseEvents);
    pb_drg->hide();

    // The stacking of the design: shapes under the grid, the boxes over it.
    sh_fr2->lower();
    sh_fr->stackUnder(pb);
    drg_change->raise();
}
