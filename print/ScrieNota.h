#pragma once

#include <optional>

class TFormularTextArea;

// The kinds of grade a layout prints, each worded by its own configured format.
enum FelNota { NotaDiploma = 0, NotaCotor = 1, MedieDiploma = 2, MedieCotor = 3 };

// Writes a grade (times 100: 963 for 9,63; none when absent) into its pair of areas by the
// format configured for `fel`. Either area may be missing.
void ScrieNota(TFormularTextArea* sus, TFormularTextArea* jos, std::optional<int> notaX100,
               int fel);
