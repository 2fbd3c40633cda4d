#pragma once

#include <functional>

class TEditorTextFormular;
class TFormularTextArea;

// Lets the data store take part in a text area's field dialog without this library knowing the
// database. Before: called just before the dialog is shown; after: only once it closed with OK.
using TCarligInformatiiCamp = std::function<void(TEditorTextFormular&, TFormularTextArea&)>;

TCarligInformatiiCamp& InainteDeInformatiiCamp();
TCarligInformatiiCamp& DupaInformatiiCamp();
