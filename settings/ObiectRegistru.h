#pragma once

#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

class TQebRegistryClass;

// The kinds a persistent property may have. Only the integer-like and the text-like ones are
// stored; the others are listed but neither read nor written.
enum class TipProprietate {
    Integer,
    Enumeration,
    Set,
    Int64,
    Char,
    String,
    WChar,
    LString,
    WString,
    Float,
    Class,
    Method,
    Variant,
};

bool EsteDeTipIntreg(TipProprietate tip);
bool EsteDeTipText(TipProprietate tip);

// One persistent property: its name is the stored value's name.
struct TProprietatePersistenta {
    QString Nume;
    TipProprietate Tip;
    std::function<QVariant(const TQebRegistryClass&)> Citeste;
    std::function<void(TQebRegistryClass&, const QVariant&)> Scrie;
};

// A class's own persistent properties and its parent class (nullptr at the root).
struct TClasaPersistenta {
    QString Nume;
    const TClasaPersistenta* Parinte;
    std::vector<TProprietatePersistenta> Proprietati;
};

// The persistent properties of one object, sorted by name without regard to case, each name
// once (a class's own property hides an inherited one of the same name).
class TQebRTTIShell {
public:
    explicit TQebRTTIShell(TQebRegistryClass& obiect);

    int Count() const { return int(proprietati_.size()); }
    QString PropName(int index) const { return proprietati_.at(size_t(index))->Nume; }
    TipProprietate PropKind(int index) const { return proprietati_.at(size_t(index))->Tip; }
    QVariant GetValue(int index) const;
    void SetValue(int index, const QVariant& valoare);

private:
    TQebRegistryClass& obiect_;
    std::vector<const TProprietatePersistenta*> proprietati_;
};

// A settings object kept under a key of the user's store. The most-derived class calls
// Incarca() at the end of its constructor and Salveaza() in its destructor: C++ builds and
// destroys the derived part after and before the base, so the base cannot do it.
class TQebRegistryClass {
public:
    virtual ~TQebRegistryClass() = default;
    TQebRegistryClass(const TQebRegistryClass&) = delete;
    TQebRegistryClass& operator=(const TQebRegistryClass&) = delete;

    const QString& CaleCheie() const { return caleCheie_; }
    virtual const TClasaPersistenta& Clasa() const = 0;

protected:
    explicit TQebRegistryClass(QString caleCheie)
        : caleCheie_(std::move(caleCheie)) {}

    // Reads every stored property that has a value; an absent one keeps its value.
    void Incarca();
    // Writes every integer-like and text-like property, changed or not.
    void Salveaza() const;

private:
    QString caleCheie_;
};
