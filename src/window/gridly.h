// The main window: every control of the program at its place, the one Puzzle,
// and the event handlers that the controls' events are routed to. Handlers
// are short: they call the core over the Puzzle, then refresh the widgets.
// Their definitions are grouped by subject in the gridly_*.cpp files.
#pragma once

#include "document/gridlymod.h"
#include "grid/generator.h"
#include "grid/random_source.h"
#include "panel/drag_state.h"
#include "view/grid_renderer.h"
#include "play/play_keys.h"
#include "window/desktop.h"

#include <QPixmap>
#include <QWidget>

#include <array>

class ClueList;
class ColourBox;
class GridPicture;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;
class QToolButton;
struct PlayStat;
struct Rejection;
class RowLabel;
class ShapeBox;

class gridly : public QWidget {
    Q_OBJECT
public:
    // programFolder holds gridly.hlp and gridly.cfg; arguments are the command
    // line without the program's own name.
    gridly(Desktop &desktop, const QString &programFolder, const QStringList &arguments,
           RandomSource random = {});
    ~gridly() override;

    // Start-up. False when another instance runs: the program ends at once.
    bool Form_Load();

    const Puzzle &puzzle() const { return m_puzzle; }
    const QImage &gridImage() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Layout (gridly_layout.cpp)
    void createControls();
    void connectControls();
    QToolButton *pictureButton(QWidget *parent, const char *name, int left, int top, const QString &tip,
                               const QString &icon, int size = 420);

    // Start-up, files, commands, exit (gridly_document.cpp)
    void cb_new_Click();
    void cb_open_Click();
    void cb_save_Click();
    void cb_help_Click();
    void cb_exit_Click();
    void cb_exit2_Click();
    bool Form_QueryUnload();
    void SetCmdButtons();
    void SetCaption();
    void FocusWordBox();
    void WriteConfiguration();
    void ReadConfiguration(QString &savedMode);
    QString ConfigurationFolder();
    QString AskFileName(bool save);
    bool OfferToSave(const QString &question, const QString &title);

    // Word list editing (gridly_words.cpp)
    void cb_addword_Click();
    void cb_updtword_Click();
    void cb_delword_Click();
    void cb_clear_Click();
    bool inp_word_KeyPress(QKeyEvent *event);
    bool inp_clue_KeyPress(QKeyEvent *event);
    void inp_word_GotFocus();
    void inp_word_Edited(const QString &text);
    void inp_word_Change();
    void inp_clue_Edited(const QString &text);
    void ShowRejection(const Rejection &rejection);

    // Grid picture, colour, grid words (gridly_view.cpp)
    void DisplayGrid();
    void cl_gbox_Click(int index);
    void ck_gridwrd_Click();
    void ResetWords();

    // Word panel and selection (gridly_panel.cpp)
    void DispWInp();
    void w_scroll_Change();
    void SetScrollRange();
    void BringIntoView(int w);
    void w_inp_MouseDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void SetDirectionControl(bool across);
    void PlaceCurrentWordBox();

    // Generation, size and shifting (gridly_grid.cpp)
    void cb_procAutosz_Click();
    void cb_procfixsize_Click();
    void cb_putword_Click();
    void scr_gcols_Change();
    void scr_grows_Change();
    void cb_resize_Click();
    void mv_words_Click(int index);
    void cb_cleargrid_Click();
    void SetSizeScrollBars();
    void Generate(Sizing sizing);

    // Dragging words (gridly_drag.cpp)
    void PanelGeometry();
    void w_inp_MouseMove(int index, Qt::MouseButtons button, Qt::KeyboardModifiers shift, double x, double y);
    void w_inp_MouseUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void pb_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);
    void pb_MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, QPoint pos);
    void pb_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);
    void CreateDrgWord(int w, QPointF point, bool iscreate);
    void ShowDragPicture(QPointF point);
    void HideDragPicture();
    void CkGridPos(int ptcol, int ptrow);
    void LeaveGrid();
    void CkChangeDr(QPointF point);
    void DropWord();
    void MarkTargetRow(int index, double y);
    void ClearTargetRow();
    void ScrollOverPanel(int index, double x, double y);

    // Play mode (gridly_play.cpp)
    void cb_play_Click();
    void cb_dsng_Click();
    void clue_lst_A_Click();
    void clue_lst_D_Click();
    bool Form_KeyDown(QKeyEvent *event);
    void cb_autoword_Click();
    void cb_playresetword_Click();
    void cb_playreset_Click();
    void ck_valid_word_Click();
    void PGridStat();
    void ShowPlayStat(const PlayStat &stat);
    void PlayGridPress(int w);  // pb_MouseDown's left press on a cell of word w >= 1 in play mode
    void ChooseClue(QListWidget *list, QListWidget *other);
    void FillClueLists();
    void ShowDesignControls(bool show);
    void EnableWordButtons(bool enable);
    void PlaceCursorBox();

    // Printing (gridly_print.cpp)
    void cb_print_Click();

    Desktop &m_desktop;
    QString m_programFolder;
    QStringList m_arguments;
    ProgramRandom m_programRandom;
    RandomSource m_random;
    Puzzle m_puzzle;
    QString m_dialogFolder;   // where the next file dialog starts
    bool m_ended = false;     // Exit completed; the window may close
    bool m_refusedFile = false;  // fpath names a file that Open refused as not ours
    DragState m_drag;
    GridRenderer m_gridRenderer;
    bool m_gridPending = false;  // DisplayGrid ran while the window was hidden
    QImage m_drgImage;        // what pb_drg shows, redrawn on every move of a drag
    PlayCursor m_cursor;      // the play cursor cell, pcol and prow

    // Command column
    QGroupBox *fr_cmd = nullptr;
    QLabel *Label2 = nullptr;
    std::array<ColourBox *, 6> cl_gbox{};
    QScrollBar *scr_gcols = nullptr;
    QLabel *lb_gcols = nullptr;
    QScrollBar *scr_grows = nullptr;
    QLabel *lb_grows = nullptr;
    QToolButton *cb_resize = nullptr;
    std::array<QToolButton *, 4> mv_words{};
    QToolButton *cb_procfixsize = nullptr;
    QToolButton *cb_procAutosz = nullptr;
    QToolButton *cb_putword = nullptr;
    QToolButton *cb_cleargrid = nullptr;
    QToolButton *cb_play = nullptr;
    QToolButton *cb_help = nullptr;
    QToolButton *ck_gridwrd = nullptr;
    QToolButton *cb_print = nullptr;
    QToolButton *cb_new = nullptr;
    QToolButton *cb_open = nullptr;
    QToolButton *cb_save = nullptr;
    QToolButton *cb_exit = nullptr;

    // Grid
    ShapeBox *sh_fr2 = nullptr;
    ShapeBox *sh_fr = nullptr;
    GridPicture *pb = nullptr;
    ShapeBox *cr_cw = nullptr;
    ShapeBox *cr_inp = nullptr;

    // Word panel
    QGroupBox *fr_winp = nullptr;
    std::array<RowLabel *, 16> w_inp{};
    QLabel *lb_wind = nullptr;
    QScrollBar *w_scroll = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lb_wcnt = nullptr;

    // Direction control
    ShapeBox *sh_chg1 = nullptr;
    ShapeBox *sh_chg2 = nullptr;
    QLabel *drg_change = nullptr;
    QLabel *Label3 = nullptr;
    QPixmap drga_ico;
    QPixmap drgd_ico;
    QLabel *pb_drg = nullptr;

    // Entry strip
    QGroupBox *fr_inp = nullptr;
    QLineEdit *inp_word = nullptr;
    QLineEdit *inp_clue = nullptr;
    QToolButton *cb_addword = nullptr;
    QToolButton *cb_updtword = nullptr;
    QToolButton *cb_delword = nullptr;
    QToolButton *cb_clear = nullptr;

    // Logo and play strip
    QGroupBox *fr_logo = nullptr;
    QLabel *imglogo = nullptr;
    QFrame *Line3 = nullptr;
    QLabel *lb_playstat = nullptr;
    QToolButton *ck_valid_word = nullptr;
    QToolButton *cb_autoword = nullptr;
    QToolButton *cb_playreset = nullptr;
    QToolButton *cb_playresetword = nullptr;
    QToolButton *cb_dsng = nullptr;
    QToolButton *cb_exit2 = nullptr;
    ClueList *clue_lst_A = nullptr;
    ClueList *clue_lst_D = nullptr;
};
