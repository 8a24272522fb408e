#include "window/gridly.h"

#include "panel/entry_strip.h"
#include "panel/word_drag.h"
#include "panel/word_panel.h"
#include "play/play_grid.h"
#include "play/play_side.h"
#include "view/colour_box.h"
#include "view/design_controls.h"
#include "view/grid_description.h"
#include "view/grid_picture.h"
#include "view/shape_box.h"
#include "view/svg_icon.h"
#include "view/twips.h"
#include "view/widget_text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

gridly::gridly(Desktop &desktop, const QString &programFolder, const QStringList &arguments, RandomSource random)
    : m_desktop(desktop), m_programFolder(programFolder), m_arguments(arguments),
      m_random(random ? std::move(random) : m_programRandom.source())
{
    setWindowTitle(QStringLiteral("Gridly"));
    setObjectName(QStringLiteral("gridly"));
    QFont windowFont(QStringLiteral("Arial"));
    windowFont.setPixelSize(12);
    setFont(windowFont);
    setFixedSize(TwipsToPixels(11910), TwipsToPixels(8625));
    SetWindowIconAfterFirstPaint(this, Icon(QStringLiteral("app")));

    // The grid frame: a grey and a white outline, the grid picture centred on
    // the white one, the red box over the current word on the picture.
    sh_fr2 = ShapeAt(this, "sh_fr2", QColor(128, 128, 128), 1185, 60, 7320, 7305);
    sh_fr = ShapeAt(this, "sh_fr", Qt::white, 1200, 75, 7320, 7305);
    pb = new GridPicture(this);
    pb->setObjectName(QStringLiteral("pb"));
    PlaceTwips(pb, 1230, 90, 7230, 7230);
    cr_cw = new ShapeBox(pb, Qt::red, 2);
    cr_cw->setObjectName(QStringLiteral("cr_cw"));
    cr_cw->hide();

    // The parts, in the order the design stacks them.
    m_cmd = std::make_unique<CommandColumn>(this);
    m_panel = new WordPanel(this, m_puzzle);
    m_drag = new WordDrag(this, m_puzzle);
    m_entry = new EntryStrip(this, m_puzzle, m_desktop);
    // The logo, in a frame that play mode widens to show the play strip.
    fr_logo = FrameAt(this, "fr_logo", 75, 7380, 1020, 1170);
    imglogo = LabelAt(fr_logo, "imglogo", {}, 30, 90, 960, 1005);
    imglogo->setPixmap(Icon(QStringLiteral("logo")).pixmap(QSize(64, 67), devicePixelRatio()));
    imglogo->setAlignment(Qt::AlignCenter);
    m_play = new PlaySide(this, fr_logo, pb, m_puzzle, m_desktop);

    // Shapes under the grid, the boxes over it.
    sh_fr2->lower();
    sh_fr->stackUnder(pb);
    connectControls();
}

gridly::~gridly()
{
    qApp->removeEventFilter(this);
}

const QImage &gridly::gridImage() const
{
    return pb->image();
}

void gridly::connectControls()
{
    // The window's own controls. A release over a command button comes before
    // its click and puts the keyboard focus where the next typing belongs.
    const CommandColumn &c = *m_cmd;
    const auto click = [this](QToolButton *button, void (gridly::*handler)()) {
        connect(button, &QToolButton::clicked, this, handler);
        connect(button, &QToolButton::released, m_entry, &EntryStrip::FocusWordBox);
    };
    click(c.cb_new, &gridly::cb_new_Click);
    click(c.cb_open, &gridly::cb_open_Click);
    click(c.cb_save, &gridly::cb_save_Click);
    click(c.cb_exit, &gridly::cb_exit_Click);
    click(c.cb_help, &gridly::cb_help_Click);
    click(c.cb_procAutosz, &gridly::cb_procAutosz_Click);
    click(c.cb_procfixsize, &gridly::cb_procfixsize_Click);
    click(c.cb_putword, &gridly::cb_putword_Click);
    click(c.cb_resize, &gridly::cb_resize_Click);
    click(c.cb_cleargrid, &gridly::cb_cleargrid_Click);
    click(c.ck_gridwrd, &gridly::ck_gridwrd_Click);
    click(c.cb_print, &gridly::cb_print_Click);
    click(c.cb_play, &gridly::cb_play_Click);
    for (int i = 0; i < 4; ++i) {
        QToolButton *button = c.mv_words[std::size_t(i)];
        connect(button, &QToolButton::released, m_entry, &EntryStrip::FocusWordBox);
        connect(button, &QToolButton::clicked, this, [this, i] { mv_words_Click(i); });
    }
    for (ColourBox *box : c.cl_gbox)
        connect(box, &ColourBox::clicked, this, &gridly::cl_gbox_Click);
    connect(c.scr_gcols, &QScrollBar::valueChanged, this, &gridly::scr_gcols_Change);
    connect(c.scr_grows, &QScrollBar::valueChanged, this, &gridly::scr_grows_Change);
    connect(pb, &GridPicture::mousePressed, this, &gridly::pb_MouseDown);
    pb->setDescriber([this] {
        return WidgetText(GridDescription(m_puzzle, m_puzzle.playing() ? ScoreCaption(m_puzzle) : std::string()));
    });

    // The drag follows the pointer over the grid and the rows.
    connect(pb, &GridPicture::mouseMoved, m_drag, &WordDrag::pb_MouseMove);
    connect(pb, &GridPicture::mouseReleased, m_drag, &WordDrag::pb_MouseUp);
    connect(m_panel, &WordPanel::rowMouseMoved, m_drag, &WordDrag::w_inp_MouseMove);
    connect(m_panel, &WordPanel::rowMouseReleased, m_drag, &WordDrag::w_inp_MouseUp);
    connect(m_drag, &WordDrag::overPanel, m_panel, &WordPanel::DragOver);
    connect(m_drag, &WordDrag::droppedOnPanel, m_panel, &WordPanel::DropOnTargetRow);

    // What the parts ask the window to show.
    connect(m_panel, &WordPanel::shownWordsChanged, this, &gridly::DispWInp);
    connect(m_panel, &WordPanel::rowPressed, this, &gridly::SelectWord);
    connect(m_drag, &WordDrag::gridChanged, this, &gridly::DisplayGrid);
    connect(m_drag, &WordDrag::wordLifted, this, [this] {
        DispWInp();
        DisplayGrid();
    });
    connect(m_drag, &WordDrag::wordDropped, this, [this](int w) {
        DisplayGrid();
        m_panel->PressRowOf(w);
    });
    connect(m_drag, &WordDrag::dragEnded, this, [this] {
        DispWInp();
        SetCmdButtons();
    });
    connect(m_drag, &WordDrag::wordBoxMoved, cr_cw, [this](const QRect &box) { cr_cw->setGeometry(box); });
    connect(m_drag, &WordDrag::wordBoxShown, cr_cw, &QWidget::setVisible);
    connect(m_entry, &EntryStrip::wordAdded, this, [this](int w) {
        m_panel->SetScrollRange();
        m_panel->BringIntoView(w);
    });
    connect(m_entry, &EntryStrip::wordDeleted, this, [this] {
        DisplayGrid();
        m_panel->SetScrollRange();
        DispWInp();
        SetCmdButtons();
    });
    connect(m_entry, &EntryStrip::entryCleared, this, [this] {
        DispWInp();
        SetCmdButtons();
    });
    connect(m_play, &PlaySide::gridChanged, this, &gridly::DisplayGrid);
    connect(m_play, &PlaySide::currentWordShown, cr_cw, [this](bool shown) {
        if (shown)
            cr_cw->setGeometry(WordBoxRect(m_puzzle.Words[m_puzzle.curw]));
        cr_cw->setVisible(shown);
        pb->descriptionChanged();
    });
    connect(m_play, &PlaySide::gridFocusWanted, pb, [this] { pb->setFocus(); });
    connect(m_play, &PlaySide::designChosen, this, [this] {
        SwitchMode(RunMode::Design);
        // Play mode dropped the current word: the panel and the commands say so.
        DispWInp();
        SetCmdButtons();
    });
    connect(m_play, &PlaySide::exitChosen, this, &gridly::cb_exit_Click);

    // The window sees every key before the control that has the focus.
    qApp->installEventFilter(this);
}

bool gridly::eventFilter(QObject *watched, QEvent *event)
{
    const bool mine = watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == this;
    if (event->type() == QEvent::KeyPress && mine && m_play->Form_KeyDown(static_cast<QKeyEvent *>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

// Closing the window is Exit: it closes only once Exit has run to its end.
void gridly::closeEvent(QCloseEvent *event)
{
    if (!m_ended)
        cb_exit_Click();
    event->setAccepted(m_ended);
}
