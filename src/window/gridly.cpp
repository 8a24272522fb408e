#include "window/gridly.h"

#include "panel/entry_strip.h"
#include "panel/word_drag.h"
#include "panel/word_panel.h"
#include "play/play_grid.h"
#include "play/play_side.h"
#include "view/accessible_scroll_bar.h"
#include "view/button_keys.h"
#include "view/colour_box.h"
#include "view/design_controls.h"
#include "view/grid_description.h"
#include "view/grid_picture.h"
#include "view/shape_box.h"
#include "view/svg_icon.h"
#include "view/twips.h"
#include "view/widget_text.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolButton>

gridly::gridly(Desktop &desktop, const QString &programFolder, const QStringList &arguments, RandomSource random)
    : m_desktop(desktop), m_programFolder(programFolder), m_arguments(arguments),
      m_random(random ? std::move(random) : m_programRandom.source())
{
    static const bool accessible = (QAccessible::installFactory(AccessibleScrollBarFactory), true);
    Q_UNUSED(accessible);
    setWindowTitle(QStringLiteral("Gridly"));
    setObjectName(QStringLiteral("gridly"));
    SetWindowIconAfterFirstPaint(this, Icon(QStringLiteral("app")));
    // The menu bar keeps the desktop's own font; the client area below it has
    // the design's size and font, and the window grows by the bar.
    m_menu = std::make_unique<MenuBar>(this);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    QFont windowFont(QStringLiteral("Arial"));
    windowFont.setPixelSize(12);
    m_client->setFont(windowFont);
    m_client->setFixedSize(TwipsToPixels(11910), TwipsToPixels(8625));
    setCentralWidget(m_client);
    setFixedSize(m_client->width(), menuBar()->sizeHint().height() + m_client->height());
    QWidget *const window = m_client;

    // The grid frame: a grey and a white outline, the grid picture centred on
    // the white one, the red box over the current word on the picture.
    sh_fr2 = ShapeAt(window, "sh_fr2", QColor(128, 128, 128), 1185, 60, 7320, 7305);
    sh_fr = ShapeAt(window, "sh_fr", Qt::white, 1200, 75, 7320, 7305);
    pb = new GridPicture(window);
    pb->setObjectName(QStringLiteral("pb"));
    PlaceTwips(pb, 1230, 90, 7230, 7230);
    cr_cw = new ShapeBox(pb, Qt::red, 2);
    cr_cw->setObjectName(QStringLiteral("cr_cw"));
    cr_cw->hide();

    // The parts, in the order the design stacks them.
    m_cmd = std::make_unique<CommandColumn>(window);
    m_panel = new WordPanel(window, m_doc);
    m_drag = new WordDrag(window, m_doc);
    m_entry = new EntryStrip(window, m_doc, m_desktop);
    // The logo, in a frame that play mode widens to show the play strip.
    fr_logo = FrameAt(window, "fr_logo", 75, 7380, 1020, 1170);
    imglogo = LabelAt(fr_logo, "imglogo", {}, 30, 90, 960, 1005);
    imglogo->setPixmap(Icon(QStringLiteral("logo")).pixmap(QSize(64, 67), devicePixelRatio()));
    imglogo->setAlignment(Qt::AlignCenter);
    m_play = new PlaySide(window, fr_logo, pb, m_doc, m_desktop);

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
    connectCommands();
    connectParts();
    connectMenus();
    // Tab follows the window's layout: the entry strip, the word panel, the
    // grid, the command column; in play mode the grid, the lists, the play strip.
    const QWidgetList order =
        m_entry->TabOrder() + m_panel->TabOrder() + QWidgetList{pb} + m_cmd->TabOrder() + m_play->TabOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    // The window sees every key before the control that has the focus.
    qApp->installEventFilter(this);
}

void gridly::connectCommands()
{
    // The window's own controls. A release over a command button comes before
    // its click and puts the keyboard focus where the next typing belongs.
    const CommandColumn &c = *m_cmd;
    const auto click = [this](QToolButton *button, void (gridly::*handler)()) {
        connect(button, &QToolButton::clicked, this, handler);
        OnMouseRelease(button, [this] { m_entry->FocusWordBox(); });
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
    // The box's change, not its click: a screen reader's toggle changes it without a click.
    connect(c.ck_gridwrd, &QToolButton::toggled, this, &gridly::ck_gridwrd_Click);
    OnMouseRelease(c.ck_gridwrd, [this] { m_entry->FocusWordBox(); });
    click(c.cb_print, &gridly::cb_print_Click);
    click(c.cb_play, &gridly::cb_play_Click);
    for (int i = 0; i < 4; ++i) {
        QToolButton *button = c.mv_words[std::size_t(i)];
        OnMouseRelease(button, [this] { m_entry->FocusWordBox(); });
        connect(button, &QToolButton::clicked, this, [this, i] { mv_words_Click(i); });
    }
    for (ColourBox *box : c.cl_gbox)
        connect(box, &ColourBox::clicked, this, &gridly::cl_gbox_Click);
    connect(c.scr_gcols, &QScrollBar::valueChanged, this, &gridly::scr_gcols_Change);
    connect(c.scr_grows, &QScrollBar::valueChanged, this, &gridly::scr_grows_Change);
    connect(pb, &GridPicture::mousePressed, this, &gridly::pb_MouseDown);
    pb->setDescriber([this] {
        return WidgetText(GridDescription(m_doc.puzzle(), m_doc.playing() ? ScoreCaption(m_doc.puzzle()) : ""));
    });
    pb->setCellDescriber([this](int col, int row) {
        return WidgetText(CellDescription(m_doc.puzzle(), col, row, {m_doc.playing(), false, m_play->ValidWord()}));
    });
}

void gridly::connectParts()
{
    // Every change to the puzzle, whoever asked for it, comes back as what changed.
    connect(&m_doc, &PuzzleDocument::changed, this, &gridly::PuzzleChanged);
    connect(&m_doc, &PuzzleDocument::historyChanged, this, &gridly::ShowHistory);

    // The drag follows the pointer over the grid and the rows.
    connect(pb, &GridPicture::mouseMoved, m_drag, &WordDrag::pb_MouseMove);
    connect(pb, &GridPicture::mouseReleased, m_drag, &WordDrag::pb_MouseUp);
    connect(m_panel, &WordPanel::rowMouseMoved, m_drag, &WordDrag::w_inp_MouseMove);
    connect(m_panel, &WordPanel::rowMouseReleased, m_drag, &WordDrag::w_inp_MouseUp);
    connect(m_drag, &WordDrag::overPanel, m_panel, &WordPanel::DragOver);
    connect(m_drag, &WordDrag::droppedOnPanel, m_panel, &WordPanel::DropOnTargetRow);

    // What the parts ask the window to show besides the puzzle.
    connect(m_panel, &WordPanel::rowPressed, this, &gridly::SelectWord);
    connect(m_drag, &WordDrag::lookChanged, this, &gridly::DisplayGrid);
    connect(m_drag, &WordDrag::wordDropped, m_panel, &WordPanel::PressRowOf);
    connect(m_drag, &WordDrag::dragEnded, this, [this] {
        DispWInp();
        SetCmdButtons();
    });
    connect(m_drag, &WordDrag::wordBoxMoved, cr_cw, [this](const QRect &box) { cr_cw->setGeometry(box); });
    connect(m_drag, &WordDrag::wordBoxShown, cr_cw, &QWidget::setVisible);
    connect(m_entry, &EntryStrip::wordAdded, m_panel, &WordPanel::BringIntoView);
    connect(m_entry, &EntryStrip::entryCleared, this, [this] {
        DispWInp();
        SetCmdButtons();
    });
    connect(m_play, &PlaySide::lookChanged, this, &gridly::DisplayGrid);
    connect(m_play, &PlaySide::currentWordShown, cr_cw, [this](bool shown) {
        if (shown)
            cr_cw->setGeometry(WordBoxRect(m_doc.puzzle().Words[m_doc.puzzle().curw]));
        cr_cw->setVisible(shown);
        pb->descriptionChanged();
    });
    connect(m_play, &PlaySide::gridFocusWanted, pb, [this] { pb->setFocus(); });
    connect(m_play, &PlaySide::designChosen, this, [this] { SwitchMode(RunMode::Design); });
    connect(m_play, &PlaySide::exitChosen, this, &gridly::cb_exit_Click);
}

// Each item runs the handler of the command it names.
void gridly::connectMenus()
{
    const MenuBar &m = *m_menu;
    connect(m.fileNew, &QAction::triggered, this, &gridly::cb_new_Click);
    connect(m.fileOpen, &QAction::triggered, this, &gridly::cb_open_Click);
    connect(m.fileSave, &QAction::triggered, this, &gridly::cb_save_Click);
    connect(m.recent, &QMenu::aboutToShow, this, &gridly::ShowRecent);
    connect(m.clearRecent, &QAction::triggered, this, [this] { m_recent->clear(); });
    const std::pair<QAction *, ExportFormat> exports[] = {{m.exportPuz, ExportFormat::Puz},
                                                          {m.exportIpuz, ExportFormat::Ipuz},
                                                          {m.exportWorksheet, ExportFormat::Worksheet},
                                                          {m.exportAnswerKey, ExportFormat::AnswerKey},
                                                          {m.exportWebPage, ExportFormat::WebPage}};
    for (const auto &[action, format] : exports)
        connect(action, &QAction::triggered, this, [this, format = format] { Export(format); });
    connect(m.filePrint, &QAction::triggered, this, &gridly::cb_print_Click);
    connect(m.fileExit, &QAction::triggered, this, &gridly::cb_exit_Click);
    connect(m.undo, &QAction::triggered, &m_doc, &PuzzleDocument::undo);
    connect(m.redo, &QAction::triggered, &m_doc, &PuzzleDocument::redo);
    connect(m.generateAuto, &QAction::triggered, this, &gridly::cb_procAutosz_Click);
    connect(m.generateFixed, &QAction::triggered, this, &gridly::cb_procfixsize_Click);
    connect(m.makeConnected, &QAction::triggered, this, &gridly::MakeConnectedGrid);
    connect(m.autoPut, &QAction::triggered, this, &gridly::cb_putword_Click);
    connect(m.takeOut, &QAction::triggered, this, &gridly::TakeWordOut);
    connect(m.minimumSize, &QAction::triggered, this, &gridly::cb_resize_Click);
    connect(m.clearGrid, &QAction::triggered, this, &gridly::cb_cleargrid_Click);
    connect(m.playOrDesign, &QAction::triggered, this, [this] {
        if (m_doc.playing())
            m_play->cb_dsng_Click();
        else
            cb_play_Click();
    });
    connect(m.help, &QAction::triggered, this, &gridly::cb_help_Click);
    connect(m.about, &QAction::triggered, this, &gridly::About);
}

bool gridly::dragging() const
{
    return m_drag->dragging();
}

// The document told what changed: each control that shows it is brought up to date.
void gridly::PuzzleChanged(Changes what)
{
    const Puzzle &p = m_doc.puzzle();
    if (what & Change::Colour)
        ShowColour();
    if (what & Change::Size)
        m_cmd->ShowSize(p.gcols, p.grows);
    if (what & (Change::List | Change::Scroll))
        m_panel->ShowScroll();
    if (what & (Change::List | Change::Grid | Change::Answers | Change::Colour | Change::Size | Change::Restored))
        DisplayGrid();
    if (!m_doc.playing() && what & (Change::List | Change::CurrentWord | Change::Scroll | Change::Restored))
        DispWInp();
    if (!m_doc.playing() && what & (Change::CurrentWord | Change::Restored) && !dragging())
        ShowCurrentWordBox();
    // The cursor's cell has the focus while a word is being solved.
    const bool solving = m_doc.playing() && p.curw >= 1 && p.curw <= p.nwords;
    const PlayCursor cursor = solving ? m_doc.cursor() : PlayCursor{};
    pb->setCursorCell(QPoint(cursor.pcol, cursor.prow));
    SetCmdButtons();
}

// Undo and Redo name the step they would take back or make again.
void gridly::ShowHistory()
{
    QAction *undo = m_menu->undo;
    QAction *redo = m_menu->redo;
    undo->setEnabled(m_doc.canUndo());
    undo->setText(m_doc.canUndo() ? QStringLiteral("&Undo ") + m_doc.undoText() : QStringLiteral("&Undo"));
    redo->setEnabled(m_doc.canRedo());
    redo->setText(m_doc.canRedo() ? QStringLiteral("&Redo ") + m_doc.redoText() : QStringLiteral("&Redo"));
}

bool gridly::eventFilter(QObject *watched, QEvent *event)
{
    const bool mine = watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == this;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // While a word is being solved every key is the grid's, Ctrl with a
        // letter too: no shortcut takes it.
        if (mine && m_doc.playing() && m_play->WantsKey(static_cast<QKeyEvent *>(event))) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (mine && m_doc.playing() && m_play->Form_KeyDown(static_cast<QKeyEvent *>(event)))
            return true;
        break;
    // A size bar held with the mouse changes the size as it moves; its release ends one step.
    case QEvent::MouseButtonPress:
        if (watched == m_cmd->scr_gcols || watched == m_cmd->scr_grows)
            m_doc.beginStep(QStringLiteral("Change Grid Size"));
        break;
    case QEvent::MouseButtonRelease:
        if (watched == m_cmd->scr_gcols || watched == m_cmd->scr_grows)
            m_doc.endStep();
        break;
    default: break;
    }
    return QMainWindow::eventFilter(watched, event);
}

// Closing the window is Exit: it closes only once Exit has run to its end.
void gridly::closeEvent(QCloseEvent *event)
{
    if (!m_ended)
        cb_exit_Click();
    event->setAccepted(m_ended);
}
