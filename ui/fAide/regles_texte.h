#pragma once
// The rules of French Tarot as Belvane plays them, written for the help
// window: one rich-text document per language, with an anchor per section.
#include <string>
#include <vector>

struct SectionAide {
    const char* ancre;  // the anchor of the section's title in the document
    const char* titre;
};

// The document in the language `langue` (1 French, 2 English), in Qt's rich text.
const char* texteRegles(int langue);
// Its sections, in order, for the contents list.
const std::vector<SectionAide>& sectionsRegles(int langue);
