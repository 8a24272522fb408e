#include "window/gridly.h"

#include "panel/entry_strip.h"
#include "panel/word_drag.h"
#include "panel/word_panel.h"
#include "view/colour_box.h"
#include "view/grid_picture.h"
#include "view/shape_box.h"
#include "play/play_side.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QToolButton>

gridly::gridly(Desktop &desktop, const QString &programFolder, const QStringList &arguments, RandomSource random)
    : m_desktop(desktop),
      m_programFolder(programFolder),
      m_arguments(arguments),
      m_random(random ? std::move(random) : m_programRandom.source())
{
    setWindowTitle(QStringLiteral("Gridly"));
    createControls();
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
    // Design commands; a release over a button comes before its click and
    // puts the keyboard focus where the next typing belongs.
    const auto click = [this](QToolButton *button, void (gridly::*handler)()) {
        connect(button, &QToolButton::clicked, this, handler);
    };
    const auto releaseFocusToWordBox = [this](QToolButton *button) {
        connect(button, &QToolButton::released, m_entry, &EntryStrip::FocusWordBox);
    };
    click(cb_new, &gridly::cb_new_Click);
    click(cb_open, &gridly::cb_open_Click);
    click(cb_save, &gridly::cb_save_Click);
    click(cb_help, &gridly::cb_help_Click);
    click(cb_exit, &gridly::cb_exit_Click);
    click(ck_gridwrd, &gridly::ck_gridwrd_Click);
    click(cb_procAutosz, &gridly::cb_procAutosz_Click);
    click(cb_procfixsize, &gridly::cb_procfixsize_Click);
    click(cb_putword, &gridly::cb_putword_Click);
    click(cb_resize, &gridly::cb_resize_Click);
    click(cb_cleargrid, &gridly::cb_cleargrid_Click);
    click(cb_play, &gridly::cb_play_Click);
    click(cb_print, &gridly::cb_print_Click);
    for (QToolButton *button : {cb_new, cb_open, cb_save, cb_exit, cb_help, cb_procAutosz, cb_procfixsize,
                                cb_putword, cb_resize, cb_cleargrid, ck_gridwrd, cb_print, mv_words[0],
                                mv_words[1], mv_words[2], mv_words[3]})
        releaseFocusToWordBox(button);
    connect(cb_play, &QToolButton::released, m_entry, &EntryStrip::FocusWordBox);
    for (int i = 0; i < 4; ++i)
        connect(mv_words[std::size_t(i)], &QToolButton::clicked, this, [this, i] { mv_words_Click(i); });
    for (ColourBox *box : cl_gbox)
        connect(box, &ColourBox::clicked, this, &gridly::cl_gbox_Click);

    connect(scr_gcols, &QScrollBar::valueChanged, this, &gridly::scr_gcols_Change);
    connect(scr_grows, &QScrollBar::valueChanged, this, &gridly::scr_grows_Change);
    connect(m_panel, &WordPanel::shownWordsChanged, this, &gridly::DispWInp);
    connect(m_panel, &WordPanel::rowPressed, this, &gridly::SelectWord);
    connect(m_panel, &WordPanel::rowMouseMoved, m_drag, &WordDrag::w_inp_MouseMove);
    connect(m_panel, &WordPanel::rowMouseReleased, m_drag, &WordDrag::w_inp_MouseUp);

    connect(m_drag, &WordDrag::gridChanged, this, &gridly::DisplayGrid);
    connect(m_drag, &WordDrag::wordLifted, this, [this] {
        DispWInp();
        DisplayGrid();
    });
    connect(m_drag, &WordDrag::wordDropped, this, [this](int w) {
        DisplayGrid();
        m_panel->SelectWord(w);
    });
    connect(m_drag, &WordDrag::dragEnded, this, [this] {
        DispWInp();
        SetCmdButtons();
    });
    connect(m_drag, &WordDrag::wordBoxMoved, cr_cw, [this](const QRect &box) { cr_cw->setGeometry(box); });
    connect(m_drag, &WordDrag::wordBoxShown, cr_cw, &QWidget::setVisible);
    connect(m_drag, &WordDrag::overPanel, m_panel, &WordPanel::DragOver);
    connect(m_drag, &WordDrag::droppedOnPanel, m_panel, &WordPanel::DropOnTargetRow);
    connect(pb, &GridPicture::mousePressed, this, &gridly::pb_MouseDown);
    connect(pb, &GridPicture::mouseMoved, m_drag, &WordDrag::pb_MouseMove);
    connect(pb, &GridPicture::mouseReleased, m_drag, &WordDrag::pb_MouseUp);

    connect(m_play, &PlaySide::gridChanged, this, &gridly::DisplayGrid);
    connect(m_play, &PlaySide::currentWordShown, cr_cw, [this](bool shown) {
        if (shown)
            PlaceCurrentWordBox();
        cr_cw->setVisible(shown);
    });
    connect(m_play, &PlaySide::gridFocusWanted, pb, [this] { pb->setFocus(); });
    connect(m_play, &PlaySide::designChosen, this, [this] {
        SwitchMode(RunMode::Design);
        // Play mode dropped the current word: the panel and the commands say so.
        DispWInp();
        SetCmdButtons();
    });
    connect(m_play, &PlaySide::exitChosen, this, &gridly::cb_exit_Click);

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

void gridly::closeEvent(QCloseEvent *event)
{
    if (m_ended || Form_QueryUnload())
        event->accept();
    else
        event->ignore();
}
