// The main window `gridly`: owns the one Puzzle, builds the window from its
// parts and routes each control's event to the handler that owns it. Its own
// controls are the command column, the grid picture in its frame with the
// red box of the current word, and the logo; the word panel, the drag, the
// entry strip and the play side are parts of their own. Handlers are short:
// they change the Puzzle through the core, then refresh the widgets.
#pragma once

#include "document/gridlymod.h"
#include "grid/generator.h"
#include "grid/random_source.h"
#include "platform/desktop.h"
#include "view/grid_renderer.h"
#include "window/command_column.h"

#include <QWidget>

#include <memory>

class EntryStrip;
class GridPicture;
class PlaySide;
class QLabel;
class ShapeBox;
class WordDrag;
class WordPanel;

class gridly : public QWidget {
    Q_OBJECT
public:
    // programFolder holds gridly.hlp and gridly.cfg; arguments are the command
    // line without the program's own name.
    gridly(Desktop &desktop, const QString &programFolder, const QStringList &arguments, RandomSource random = {});
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
    void connectControls();

    // Files, help, exit and the command states (gridly_document.cpp)
    void cb_new_Click();
    void cb_open_Click();
    void cb_save_Click();
    void cb_help_Click();
    void cb_exit_Click();
    void SetCmdButtons();

    // Generation, size and shifting (gridly_grid.cpp)
    void cb_procAutosz_Click();
    void cb_procfixsize_Click();
    void Generate(Sizing sizing);
    void cb_putword_Click();
    void scr_gcols_Change();
    void scr_grows_Change();
    void cb_resize_Click();
    void mv_words_Click(int index);
    void cb_cleargrid_Click();
    void ResetWords();

    // The grid picture and the current word (gridly_view.cpp)
    void DisplayGrid();
    void cl_gbox_Click(int index);
    void ck_gridwrd_Click();
    void DispWInp();
    void SelectWord(int w);
    void pb_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);

    // Modes and printing (gridly_play.cpp, gridly_print.cpp)
    void cb_play_Click();
    void SwitchMode(RunMode mode);
    void cb_print_Click();

    Desktop &m_desktop;
    QString m_programFolder;
    QStringList m_arguments;
    ProgramRandom m_programRandom;
    RandomSource m_random;
    Puzzle m_puzzle;
    QString m_dialogFolder;      // where the next file dialog starts
    bool m_ended = false;        // Exit completed; the window may close
    bool m_refusedFile = false;  // fpath names a file that Open refused as not ours
    GridRenderer m_gridRenderer;
    bool m_gridPending = false;  // DisplayGrid ran while the window was hidden

    ShapeBox *sh_fr2 = nullptr;  // the grid frame's grey and white outlines
    ShapeBox *sh_fr = nullptr;
    GridPicture *pb = nullptr;
    ShapeBox *cr_cw = nullptr;  // the red box over the current word
    std::unique_ptr<CommandColumn> m_cmd;
    WordPanel *m_panel = nullptr;
    WordDrag *m_drag = nullptr;
    EntryStrip *m_entry = nullptr;
    QGroupBox *fr_logo = nullptr;
    QLabel *imglogo = nullptr;
    PlaySide *m_play = nullptr;
};
