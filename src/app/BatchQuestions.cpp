#include "BatchQuestions.h"

#include "platform/CountForms.h"
#include "platform/Prompts.h"

namespace {

const QString kDuplicateTitle = QStringLiteral("Trenutna datoteka vec je dodana");

} // namespace

BatchQuestions::BatchQuestions(Prompts& prompts, std::function<void(const QString&)> reportFault)
    : m_prompts(prompts), m_adding{[this](const QString& wanted) { return askOrderAgain(wanted); },
                                   [this](const QString& item) { reportDuplicate(item); },
                                   std::move(reportFault)}
{
}

bool BatchQuestions::askOrderAgain(const QString& wanted)
{
    if (m_answerForAll)
        return *m_answerForAll;
    const QString text = QStringLiteral("Na proslim CD-ovima ste narucili datoteku ") + wanted +
                         QStringLiteral(". Da li zelite je dodati ponovo");
    const QString title = QStringLiteral("Datoteke se podudaraju");
    if (++m_questions == 1) {
        return m_prompts.message(text, title, MessageIcon::None, MessageButtons::YesNo) ==
               MessageAnswer::Yes;
    }
    enum
    {
        Yes,
        No,
        YesToAll,
        NoToAll
    };
    const int answer =
        m_prompts.choose(text, title, MessageIcon::None,
                         {BoxButton::of(MessageAnswer::Yes), BoxButton::of(MessageAnswer::No),
                          BoxButton::own(QStringLiteral("Da za &sve")),
                          BoxButton::own(QStringLiteral("Ne za sv&e"))},
                         Yes, No);
    if (answer == YesToAll || answer == NoToAll)
        m_answerForAll = answer == YesToAll;
    return answer == Yes || answer == YesToAll;
}

void BatchQuestions::reportDuplicate(const QString& item)
{
    if (m_skipDuplicates) {
        ++m_skipped;
        return;
    }
    const QString text = item + QStringLiteral(" vec ste dodali");
    if (++m_duplicates == 1) {
        m_prompts.message(text, kDuplicateTitle, MessageIcon::Information);
        return;
    }
    enum
    {
        Ok,
        SkipTheRest
    };
    m_skipDuplicates = m_prompts.choose(text, kDuplicateTitle, MessageIcon::Information,
                                        {BoxButton::of(MessageAnswer::Ok),
                                         BoxButton::own(QStringLiteral("&Preskoci ostale"))},
                                        Ok, Ok) == SkipTheRest;
}

void BatchQuestions::reportSkipped()
{
    if (m_skipped == 0)
        return;
    m_prompts.message(
        byCount(m_skipped,
                QStringLiteral("Jos %1 datoteka vec je bila u narudzbi; nije ponovo dodana."),
                QStringLiteral("Jos %1 datoteke vec su bile u narudzbi; nisu ponovo dodane."),
                QStringLiteral("Jos %1 datoteka vec je bilo u narudzbi; nisu ponovo dodane."))
            .arg(m_skipped),
        kDuplicateTitle, MessageIcon::Information);
}
