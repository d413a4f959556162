#include "rtf/field_instruction.h"

namespace rtf {

namespace {

// Takes one argument off the front of text: a quoted string or a word.
QString TakeArgument(QString& text) {
    QString argument;
    qsizetype end = 0;
    if (text.startsWith('"')) {
        end = text.indexOf('"', 1);
        if (end < 0) end = text.size();
        argument = text.mid(1, end - 1);
        ++end;
    } else {
        end = text.indexOf(' ');
        if (end < 0) end = text.size();
        argument = text.left(end);
    }
    text = text.mid(end).trimmed();
    return argument;
}

} // namespace

QString HyperlinkTarget(const QByteArray& instruction) {
    QString text = QString::fromLatin1(instruction).simplified();
    const QString keyword = QStringLiteral("HYPERLINK");
    if (!text.startsWith(keyword, Qt::CaseInsensitive)) return {};
    text = text.mid(keyword.size()).trimmed();
    QString target;
    while (!text.isEmpty()) {
        if (!text.startsWith('\\')) {
            QString argument = TakeArgument(text);
            if (target.isEmpty()) target = argument;
            continue;
        }
        const QChar option = text.size() > 1 ? text[1].toLower() : QChar();
        text = text.mid(2).trimmed();
        if (option == 'l')
            target += '#' + TakeArgument(text);
        else if (option == 'o' || option == 't')
            TakeArgument(text); // tooltip, frame
    }
    return target;
}

} // namespace rtf
