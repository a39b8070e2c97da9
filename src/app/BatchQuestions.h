#pragma once

#include "order/OrderAdding.h"

#include <optional>

class Prompts;

// The questions and messages of one batch of additions. The first duplicate message and the
// first previous-orders question of a batch are the plain ones. From the second on, the
// duplicate message also offers to refuse the batch's remaining duplicates without a box,
// and the question offers Yes and No for all its remaining questions: adding a source CD of
// hundreds of files twice is not a trap of hundreds of boxes.
class BatchQuestions
{
public:
    BatchQuestions(Prompts& prompts, std::function<void(const QString&)> reportFault);

    const AddingPrompts& prompts() const { return m_adding; }
    // After the batch: one line on how many duplicates were refused without a box, if any.
    void reportSkipped();

private:
    bool askOrderAgain(const QString& wanted);
    void reportDuplicate(const QString& item);

    Prompts& m_prompts;
    AddingPrompts m_adding;
    int m_questions = 0;
    int m_duplicates = 0;
    // The answer chosen for every remaining question of the batch.
    std::optional<bool> m_answerForAll;
    bool m_skipDuplicates = false;
    int m_skipped = 0;
};
