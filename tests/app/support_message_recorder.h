#pragma once

#include <QList>
#include <QStringList>

#include "app/message_seam.h"

namespace staffel::apptest {

// Records every message box instead of showing it; restores the real box when destroyed.
class MessageRecorder {
  public:
    MessageRecorder() {
        app::setzeNachrichtenAnzeige([this](QWidget*, const app::Nachricht& n) { messages_ << n; });
    }
    ~MessageRecorder() { app::setzeNachrichtenAnzeige({}); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const QList<app::Nachricht>& messages() const { return messages_; }
    QStringList texts() const {
        QStringList result;
        for (const app::Nachricht& nachricht : messages_) result << nachricht.text;
        return result;
    }
    void clear() { messages_.clear(); }

  private:
    QList<app::Nachricht> messages_;
};

}  // namespace staffel::apptest
