#pragma once
// What the core asks of the world outside it. The GUI answers with windows; tests and
// the command line answer from a script and collect every message shown.
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/text_page.h"

namespace corvella {

enum class Icon { None, Warning, Information };

// The answer to a question that may be cancelled.
enum class Answer { Yes, No, Cancel };

// The captions of a question's three buttons: the first answers Yes, the second No, the
// third Cancel.
struct ThreeButtons {
    std::string yes, no, cancel;
};

// The buttons of the save window ("Save User").
enum class SaveWindowButton { Save, No, Quit, Close };

struct Date {
    int year = 2015, month = 1, day = 1;
};

struct TimeOfDay {
    int hour = 0, minute = 0, second = 0;
};

// The machine's clock.
TimeOfDay clockTime();

class Ui {
  public:
    virtual ~Ui() = default;
    // A message box with an OK button.
    virtual void message(const std::string& text, Icon icon = Icon::None,
                         const std::string& title = {}) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& title) = 0;
    // A question with Yes, No and Cancel; Esc and the close box answer Cancel.
    virtual Answer askYesNoCancel(const std::string& text, const std::string& title) = 0;
    // Whether to keep changes a window would lose, with Save (Yes), Discard (No) and
    // Cancel; Esc and the close box answer Cancel.
    virtual Answer askSaveChanges(const std::string& text, const std::string& title) = 0;
    // Files changed elsewhere since they were read: Reload (Yes), Overwrite (No) or
    // Cancel; Esc and the close box answer Cancel.
    virtual Answer askReloadOrOverwrite(const std::string& text, const std::string& title) = 0;
    // A question with three buttons of its own captions; Esc and the close box answer
    // Cancel, as the third does.
    virtual Answer askThreeWay(const std::string& text, const std::string& title,
                               const ThreeButtons& buttons) = 0;
    // An input box; nothing when cancelled.
    virtual std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText) = 0;
    // A choice of one of `items` (the first chosen at first); nothing when cancelled.
    virtual std::optional<std::string> chooseItem(const std::string& prompt,
                                                  const std::string& title,
                                                  const std::vector<std::string>& items) = 0;
    // The file-open dialog with a filter such as "Saved Files (*.use)|*.use".
    virtual std::optional<std::filesystem::path> openFile(const std::string& filter) = 0;
    // The modal save window; the operator may edit the name box before a button.
    virtual SaveWindowButton saveWindow(std::string& nameBox) = 0;
    virtual Date today() = 0;
    virtual TimeOfDay now() { return clockTime(); }
    // The printer selection dialog; false when it was cancelled.
    virtual bool choosePrinter() { return false; }
    // Prints a finished page on the chosen (or the current) printer. False when nothing
    // was printed because the operator cancelled; throws Error when printing failed.
    virtual bool printPage(const TextPage& page) {
        (void)page;
        return false;
    }
};

// Scripted answers, for tests and the command line. Unscripted questions are
// answered No, input boxes and dialogs cancelled, the save window closed with No.
class ScriptedUi : public Ui {
  public:
    std::vector<std::string> messages;  // every message box text, in order
    std::vector<std::string> titles;    // and its title
    std::vector<std::string> questions;
    std::deque<bool> yesNoAnswers;
    std::deque<Answer> answers;  // the questions that may be cancelled
    std::deque<std::optional<std::string>> inputAnswers;
    std::vector<std::string> inputDefaults;                // each input box's text as it opened
    std::deque<std::optional<std::string>> choiceAnswers;  // chooseItem: an item or cancel
    std::deque<std::optional<std::filesystem::path>> openAnswers;
    struct SaveAnswer {
        SaveWindowButton button = SaveWindowButton::No;
        std::optional<std::string> name;  // typed into the name box first
    };
    std::deque<SaveAnswer> saveAnswers;
    Date date{2015, 1, 9};
    TimeOfDay time{9, 30, 0};
    std::deque<bool> printerAnswers;  // the printer dialogs: true for OK
    std::vector<TextPage> printed;    // every page sent to the printer

    void message(const std::string& text, Icon, const std::string& title) override {
        messages.push_back(text);
        titles.push_back(title);
    }
    bool askYesNo(const std::string& text, const std::string&) override {
        questions.push_back(text);
        return pop(yesNoAnswers, false);
    }
    Answer askYesNoCancel(const std::string& text, const std::string&) override {
        questions.push_back(text);
        return pop(answers, Answer::No);
    }
    Answer askSaveChanges(const std::string& text, const std::string&) override {
        questions.push_back(text);
        return pop(answers, Answer::No);
    }
    // Unscripted, nothing is overwritten.
    Answer askReloadOrOverwrite(const std::string& text, const std::string&) override {
        questions.push_back(text);
        return pop(answers, Answer::Cancel);
    }
    Answer askThreeWay(const std::string& text, const std::string&, const ThreeButtons&) override {
        questions.push_back(text);
        return pop(answers, Answer::No);
    }
    std::optional<std::string> inputBox(const std::string& prompt, const std::string&,
                                        const std::string& defaultText) override {
        questions.push_back(prompt);
        inputDefaults.push_back(defaultText);
        return pop(inputAnswers, std::optional<std::string>());
    }
    std::optional<std::string> chooseItem(const std::string& prompt, const std::string&,
                                          const std::vector<std::string>&) override {
        questions.push_back(prompt);
        return pop(choiceAnswers, std::optional<std::string>());
    }
    std::optional<std::filesystem::path> openFile(const std::string&) override {
        return pop(openAnswers, std::optional<std::filesystem::path>());
    }
    SaveWindowButton saveWindow(std::string& nameBox) override {
        SaveAnswer a = pop(saveAnswers, SaveAnswer{});
        if (a.name) nameBox = *a.name;
        return a.button;
    }
    Date today() override { return date; }
    TimeOfDay now() override { return time; }
    bool choosePrinter() override { return pop(printerAnswers, false); }
    bool printPage(const TextPage& page) override {
        printed.push_back(page);
        return true;
    }

  private:
    template <class T>
    static T pop(std::deque<T>& q, T fallback) {
        if (q.empty()) return fallback;
        T v = std::move(q.front());
        q.pop_front();
        return v;
    }
};

}  // namespace corvella
