#include "degree_presentation.h"

#include "data/interface_texts.h"
#include "data/text_ids.h"

namespace velmira {

namespace {

QByteArray sentence(int text) { return interfaceText(text); }
QByteArray sentence(int first, int second) { return interfaceText(first) + ' ' + interfaceText(second); }

PresentationStep said(QByteArray text)
{
    PresentationStep step;
    step.hasSentence = true;
    step.sentence = std::move(text);
    return step;
}

PresentationStep uncovering(std::vector<int> closed, int panel, QByteArray text, int pixels = 1)
{
    PresentationStep step = said(std::move(text));
    step.closedPanels = std::move(closed);
    step.uncoveredPanel = panel;
    step.pixelsPerTick = pixels;
    return step;
}

} // namespace

PresentationStep presentationStep(int step)
{
    switch (step) {
    case 0: return said(sentence(kPresentationSentence0));
    case 1: return said(sentence(kPresentationSentence1));
    case 2: return said(sentence(kPresentationSentence2, kPresentationSentence2End));
    case 3: return uncovering({}, 1, sentence(kPresentationSentence3));
    case 4: return uncovering({1, 2}, 3, sentence(kPresentationSentence4));
    case 5: return uncovering({3}, 4, sentence(kPresentationSentence5));
    case 6: return uncovering({4}, 5, sentence(kPresentationSentence6));
    case 7: return uncovering({5}, 6, sentence(kPresentationSentence7), 3);
    case 8: return uncovering({6}, 7, sentence(kPresentationSentence8, kPresentationSentence8End));
    case 9: {
        PresentationStep last;
        last.closedPanels = {7};
        last.lastStep = true;
        return last;
    }
    default: return {};
    }
}

} // namespace velmira
