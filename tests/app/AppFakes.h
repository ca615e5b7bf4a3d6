#pragma once
// Stand-ins for everything the window reaches through an interface: the run's pumps and pauses,
// the save dialog, the message boxes, the shell and the browser. They record instead of waiting,
// asking or launching, and let a test act at a chosen moment of a run.

#include "AboutBox.h"
#include "DesktopServices.h"
#include "MessageBoxes.h"
#include "SaveDialog.h"
#include "games/DrawHost.h"

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>
#include <vector>

class TFakeDrawHost : public IDrawHost {
public:
  void ProcessMessages() override { ++Pumps; }
  void Pause(int ms) override {
    Pauses.push_back(ms);
    if (OnPause)
      OnPause(static_cast<int>(Pauses.size()));
  }
  void CancelPause() override { ++Cancels; }

  int Pumps = 0;
  std::vector<int> Pauses;
  int Cancels = 0;
  std::function<void(int pauseNumber)> OnPause;  // numbered from 1
};

class TFakeSaveDialog : public ISaveDialog {
public:
  struct TCall {
    QString Title;
    QString Filter;
    int FilterIndex;
  };

  std::optional<QString> Execute(const QString &title, const QString &filter,
                                 int filterIndex) override {
    Calls.push_back({title, filter, filterIndex});
    const QString answer = Answers.isEmpty() ? QString() : Answers.takeFirst();
    if (answer.isNull())
      return std::nullopt;
    return answer;
  }

  QStringList Answers;  // one per dialog; a null QString (or none left): the user cancels
  std::vector<TCall> Calls;
};

class TRecordingMessageBox : public IMessageBox {
public:
  void ShowError(const QString &text) override { Errors << text; }
  bool Confirm(const QString &title, const QString &text) override {
    Q_UNUSED(title);
    Questions << text;
    return ConfirmAnswer;
  }

  QStringList Errors;
  QStringList Questions;
  bool ConfirmAnswer = false;
};

class TRecordingShellOpener : public IShellOpener {
public:
  void ShellExecute(const QString &verb, const QString &fileName) override {
    Calls << verb + QLatin1Char(' ') + fileName;
  }
  QStringList Calls;
};

class TRecordingUrlOpener : public IUrlOpener {
public:
  void OpenUrl(const QUrl &url) override { Urls.push_back(url); }
  std::vector<QUrl> Urls;
};
