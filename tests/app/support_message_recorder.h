#pragma once

#include <QList>

#include "app/message_seam.h"

namespace staffel::apptest {

// Records every message box instead of showing it; restores the real box when destroyed.
class MessageRecorder {
  public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const QList<app::Nachricht>& messages() const { return messages_; }
    QStringList texts() const;
    void clear() { messages_.clear(); }

  private:
    QList<app::Nachricht> messages_;
};

}  // namespace staffel::apptest
