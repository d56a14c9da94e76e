// UserDialogs for tests: answers come from a script, in order, and every request is recorded.
//
//   qm::test::ScriptedDialogs dialogs;
//   dialogs.answerMessage(qm::MessageButton::Yes).answerFile("/tmp/x/NEW.QZ3");
//   window.newCollection();
//   EXPECT_EQ(dialogs.messages().at(0).caption, "New Puzzle");
//
// A message box whose only button is Ok needs no script: it is recorded and closed with Ok.
// A request the script has no answer for, or an answer of the wrong kind, fails the test and
// is cancelled; answers left unused when the object is destroyed fail the test too.
#pragma once

#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "common/ui/user_dialogs.h"

// Lets GoogleTest print QStrings in failure messages.
void PrintTo(const QString& text, std::ostream* out);

namespace qm::test {

class ScriptedDialogs : public UserDialogs {
public:
    ScriptedDialogs() = default;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;
    ~ScriptedDialogs() override;

    // The script, in the order the requests will come.
    ScriptedDialogs& answerMessage(MessageButton button);
    ScriptedDialogs& answerFile(const QString& path);
    ScriptedDialogs& cancelFile();
    ScriptedDialogs& answerFont(const FontChoice& font);
    ScriptedDialogs& cancelFont();
    ScriptedDialogs& answerColor(const QColor& color);
    ScriptedDialogs& cancelColor();
    ScriptedDialogs& answerPrinterSetup(bool accepted);

    // What was asked, by kind, in order.
    const std::vector<MessageRequest>& messages() const { return m_messages; }
    const std::vector<FileRequest>& fileRequests() const { return m_files; }
    const std::vector<FontRequest>& fontRequests() const { return m_fonts; }
    const std::vector<ColorRequest>& colorRequests() const { return m_colors; }
    int printerSetups() const { return m_printerSetups; }
    // Every request in order, one line each ("message Error: No puzzle selected..."), for
    // readable expectations and failure output.
    const std::vector<std::string>& log() const { return m_log; }
    // The texts of the message boxes shown, in order.
    std::vector<QString> messageTexts() const;
    bool scriptUsedUp() const { return m_script.empty(); }

    MessageButton showMessage(const MessageRequest& request) override;
    std::optional<QString> chooseFile(const FileRequest& request) override;
    std::optional<FontChoice> chooseFont(const FontRequest& request) override;
    std::optional<QColor> chooseColor(const ColorRequest& request) override;
    bool setUpPrinter(QPrinter& printer) override;

private:
    enum class Kind { Message, File, Font, Color, Printer };
    struct Answer {
        explicit Answer(Kind answerKind) : kind(answerKind) {}
        Kind kind;
        MessageButton button = MessageButton::Ok;
        bool accepted = false;  // a file, font or colour was chosen; the printer set up
        QString file;
        FontChoice font;
        QColor color;
    };

    ScriptedDialogs& push(Answer answer);
    // The next answer when it is of the kind asked; otherwise fails the test.
    std::optional<Answer> take(Kind kind, const std::string& request);

    std::deque<Answer> m_script;
    std::vector<MessageRequest> m_messages;
    std::vector<FileRequest> m_files;
    std::vector<FontRequest> m_fonts;
    std::vector<ColorRequest> m_colors;
    int m_printerSetups = 0;
    std::vector<std::string> m_log;
};

}  // namespace qm::test
