#include "app/support_message_recorder.h"

#include <QStringList>

namespace staffel::apptest {

MessageRecorder::MessageRecorder() {
    app::setzeNachrichtenAnzeige(
        [this](QWidget*, const app::Nachricht& nachricht) { messages_.append(nachricht); });
}

MessageRecorder::~MessageRecorder() {
    app::setzeNachrichtenAnzeige({});
}

QStringList MessageRecorder::texts() const {
    QStringList result;
    for (const app::Nachricht& nachricht : messages_) result << nachricht.text;
    return result;
}

}  // namespace staffel::apptest
