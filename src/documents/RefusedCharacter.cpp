#include "RefusedCharacter.h"

#include "DocumentCodec.h"

QString RefusedCharacter::first(const QString& text)
{
    const int index = DocumentCodec::firstUnencodable(text);
    if (index < 0)
        return QString();
    return text.mid(index, text.at(index).isHighSurrogate() ? 2 : 1);
}
