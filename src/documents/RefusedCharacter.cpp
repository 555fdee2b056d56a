#include "RefusedCharacter.h"

#include "DocumentCodec.h"

QString RefusedCharacter::first(const QString& text, TextEncoding::Kind kind)
{
    const int index = DocumentCodec::firstUnencodable(text, kind);
    if (index < 0)
        return QString();
    return text.mid(index, text.at(index).isHighSurrogate() ? 2 : 1);
}
