#pragma once

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

#include "ui/UserInterface.h"

namespace orvan {

// Answers messages and file dialogs as scripted and records everything it was shown.
class FakeUserInterface : public UserInterface {
  public:
    struct Shown {
        QString caption;
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageAnswer ShowMessage(QWidget*, const QString& caption, const QString& text,
                              MessageIcon icon, MessageButtons buttons) override {
        messages.push_back({caption, text, icon, buttons});
        if (!answers.empty()) {
            MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
    QString ChooseFile(QWidget*, const FileRequest& request) override {
        fileRequests.push_back(request);
        return request.save ? NextPath(savePaths, saveDialogs) : NextPath(openPaths, openDialogs);
    }

    QStringList Texts() const {
        QStringList texts;
        for (const Shown& shown : messages)
            texts << shown.text;
        return texts;
    }

    std::deque<MessageAnswer> answers;  // next answers; default: Ok, or No for Yes/No questions
    std::deque<QString> openPaths;      // next paths of the open dialog; empty: cancelled
    std::deque<QString> savePaths;      // next paths of the save dialog; empty: cancelled
    std::vector<Shown> messages;
    std::vector<FileRequest> fileRequests;  // the dialogs shown through ChooseFile
    int openDialogs = 0;
    int saveDialogs = 0;

  private:
    static QString NextPath(std::deque<QString>& paths, int& count) {
        ++count;
        if (paths.empty())
            return {};
        QString path = paths.front();
        paths.pop_front();
        return path;
    }
};

}  // namespace orvan
