#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class Messages;
class QSaveFile;

struct Lecture_Fichier {
    enum class Etat { Lu, Absent, Illisible };
    Etat etat = Etat::Lu;
    QByteArray octets;        // the whole file
    QList<QByteArray> lignes; // without their line ends, when asked for
    QString raison;           // why the file could not be read

    bool Lu() const { return etat == Etat::Lu; }
};

// What became of a rewrite.
struct Ecriture {
    // Not empty: nothing was written, and why; the file is as it was.
    QString raison;
    // Not empty: the file holds the new bytes, but the disk did not confirm its folder, and why: a power
    // cut could still bring the old file back.
    QString raison_dossier;
};

// The text files of the program's folder. A rewrite replaces the whole file in one step, so a
// crash or a failed write leaves the old file or the new one, never a mix and never neither.
class Fichiers {
public:
    virtual ~Fichiers() = default;

    // The file's bytes cut into lines.
    Lecture_Fichier Lit(const QString& chemin);
    // The file's bytes alone, for a reader that keeps them whole.
    virtual Lecture_Fichier Lit_Octets(const QString& chemin) = 0;
    // Done once the new bytes and the folder's new entry are on the disk.
    virtual Ecriture Remplace(const QString& chemin, const QByteArray& octets) = 0;
    // The same with the file's lines, each ended as the program's text files end them.
    Ecriture Remplace(const QString& chemin, const QList<QByteArray>& lignes);
    // Empty when the file is gone (or was never there); otherwise the reason.
    virtual QString Supprime(const QString& chemin) = 0;
    virtual bool Existe(const QString& chemin) = 0;
    // What tells one state of a file from another: its name, its size and the moment it was last
    // written, to the nanosecond where the system keeps it. Empty when the file is not there.
    virtual QString Empreinte(const QString& chemin) = 0;
    // The names of the files in that folder, by name; none when it is not there.
    virtual QStringList Noms_Fichiers(const QString& dossier) = 0;
    // Makes the folder when it is not there: empty when it is there afterwards, otherwise why not.
    virtual QString Cree_Dossier(const QString& dossier) = 0;
};

class Fichiers_Disque : public Fichiers {
public:
    // A rewrite writes its bytes in blocks of this size: large enough to write a 10,000-QSO log in a
    // few calls, small enough to fail part-way in tests.
    static constexpr qsizetype Taille_Bloc = 256 * 1024;

    using Fichiers::Remplace;
    Lecture_Fichier Lit_Octets(const QString& chemin) override;
    Ecriture Remplace(const QString& chemin, const QByteArray& octets) override;
    QString Supprime(const QString& chemin) override;
    bool Existe(const QString& chemin) override;
    QString Empreinte(const QString& chemin) override;
    QStringList Noms_Fichiers(const QString& dossier) override;
    QString Cree_Dossier(const QString& dossier) override;

protected:
    // The steps of a rewrite, apart so that each one can be made to fail.
    virtual bool Ouvre(QSaveFile& brouillon);
    virtual bool Ecrit(QSaveFile& brouillon, const QByteArray& bloc);
    virtual bool Vide(QSaveFile& brouillon);
    // Puts the scratch file's bytes on the disk: empty when the disk says it has them, else why not.
    virtual QString Synchronise(QSaveFile& brouillon);
    virtual bool Valide(QSaveFile& brouillon);
    // Puts the folder's entries on the disk, the renamed file's among them: empty, or why not.
    virtual QString Synchronise_Dossier(const QString& dossier);
};

// The texts shown to the operator when a file cannot be read or written.
namespace Sous_Programmes {
QString Message_Lecture_Impossible(const QString& chemin, const QString& raison);
QString Message_Ecriture_Impossible(const QString& chemin, const QString& raison);
QString Message_Dossier_Non_Confirme(const QString& chemin, const QString& raison);
// What a reader does with a file that is not there.
enum class Si_Absent { Vide, Signale };
// The file's lines; nothing when it cannot be read, after telling the operator which file and why. A
// missing file reads as an empty one, or is told as the others are.
std::optional<QList<QByteArray>> Lit_Ou_Signale(Fichiers& fichiers, Messages& messages, const QString& chemin,
                                                Si_Absent si_absent);
// Tells the operator what went wrong in a rewrite of that file, if anything. True when the file holds
// the new bytes: the caller then takes the change as made even if the operator was warned, or he would
// make it a second time.
bool Ecriture_Faite(Messages& messages, const QString& chemin, const Ecriture& ecriture);
} // namespace Sous_Programmes
