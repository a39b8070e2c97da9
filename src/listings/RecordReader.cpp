#include "RecordReader.h"

#include "FieldRules.h"

Record RecordReader::read(int fieldCount)
{
    Record record;
    for (int i = 0; i < fieldCount; ++i) {
        if (atEnd())
            throw InputPastEndError();
        record[i] = readField();
    }
    return record;
}

QString RecordReader::readField()
{
    const FieldRules::Span field = FieldRules::nextField(QStringView(m_text), m_pos);
    return m_text.sliced(field.start, field.length);
}
