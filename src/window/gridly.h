// The main window `gridly`: owns the one document, builds the window from its
// parts and routes each control's event to the handler that owns it. Its own
// controls are the menu bar, and below it, in the client area laid out as the
// design has it, the command column, the grid picture in its frame with the
// red box of the current word, and the logo; the word panel, the drag, the
// entry strip and the play side are parts of their own. Handlers are short:
// they ask the document for a change, and the window shows what the
// document tells it changed.
#pragma once

#include "grid/generator.h"
#include "grid/random_source.h"
#include "platform/desktop.h"
#include "undo/puzzle_document.h"
#include "view/grid_renderer.h"
#include "window/command_column.h"
#include "window/menu_bar.h"
#include "window/recent_files.h"

#include <QMainWindow>

#include <memory>

class EntryStrip;
class GridPicture;
class PlaySide;
class QAction;
class QLabel;
class ShapeBox;
class WordDrag;
class WordPanel;

class gridly : public QMainWindow {
    Q_OBJECT
public:
    // programFolder holds gridly.hlp and gridly.cfg; arguments are the command
    // line without the program's own name.
    gridly(Desktop &desktop, const QString &programFolder, const QStringList &arguments,
           RandomSource random = {});
    ~gridly() override;

    // Start-up. False when another instance runs: the program ends at once.
    bool Form_Load();

    const PuzzleDocument &document() const { return m_doc; }
    const Puzzle &puzzle() const { return m_doc.puzzle(); }
    bool dragging() const;
    const QImage &gridImage() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectControls();
    void connectCommands();
    void connectParts();
    void connectMenus();
    void PuzzleChanged(Changes what);
    void ShowHistory();

    // Files, help, exit and the command states (gridly_document.cpp)
    void cb_new_Click();
    void cb_open_Click();
    void cb_save_Click();
    void cb_help_Click();
    void cb_exit_Click();
    void SetCmdButtons();
    void NewPuzzle();
    void OpenFile(const QString &path);
    void ShowRecent();
    void OpenRecent(const QString &path);
    void About();

    // The exports (gridly_export.cpp)
    enum class ExportFormat { Puz, Ipuz, Worksheet, AnswerKey, WebPage };
    void Export(ExportFormat format);

    // Generation, size and shifting (gridly_grid.cpp)
    void cb_procAutosz_Click();
    void cb_procfixsize_Click();
    void Generate(Sizing sizing);
    void MakeConnectedGrid();
    void cb_putword_Click();
    void TakeWordOut();
    void scr_gcols_Change();
    void scr_grows_Change();
    void cb_resize_Click();
    void mv_words_Click(int index);
    void cb_cleargrid_Click();

    // The grid picture and the current word (gridly_view.cpp)
    void DisplayGrid();
    void cl_gbox_Click(int index);
    void ShowColour();
    void ck_gridwrd_Click();
    void DispWInp();
    void ShowCurrentWordBox();
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
    PuzzleDocument m_doc;
    std::string m_cfgpath;       // gridly.cfg, UTF-8
    OpenSource m_opensrc = OpenSource::Program;
    QString m_dialogFolder;      // where the next file dialog starts
    bool m_ended = false;        // Exit completed; the window may close
    bool m_refusedFile = false;  // fpath names a file that Open refused as not ours
    GridRenderer m_gridRenderer;
    bool m_gridPending = false;  // DisplayGrid ran while the window was hidden

    ShapeBox *sh_fr2 = nullptr;  // the grid frame's grey and white outlines
    ShapeBox *sh_fr = nullptr;
    GridPicture *pb = nullptr;
    ShapeBox *cr_cw = nullptr;  // the red box over the current word
    QWidget *m_client = nullptr;  // the window below its menu bar
    std::unique_ptr<MenuBar> m_menu;
    std::unique_ptr<RecentFiles> m_recent;
    std::unique_ptr<CommandColumn> m_cmd;
    WordPanel *m_panel = nullptr;
    WordDrag *m_drag = nullptr;
    EntryStrip *m_entry = nullptr;
    QGroupBox *fr_logo = nullptr;
    QLabel *imglogo = nullptr;
    PlaySide *m_play = nullptr;
};
