// Loaded into the helper process with LD_PRELOAD, so that the kernel's own answer to a flush is a
// failure, as from a failing disk: with KEZ_DISQUE_DEFAILLANT=fichier every flush of a file fails, with
// KEZ_DISQUE_DEFAILLANT=dossier only the flush of a folder. Either fails with EIO; without the variable,
// or for what it spares, the system's own call runs.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <sys/stat.h>

namespace {

using Appel = int (*)(int);

bool Refuse(int descripteur) {
    const char* panne = std::getenv("KEZ_DISQUE_DEFAILLANT");
    if (panne == nullptr)
        return false;
    struct stat etat {};
    const bool dossier = ::fstat(descripteur, &etat) == 0 && S_ISDIR(etat.st_mode);
    return std::strcmp(panne, dossier ? "dossier" : "fichier") == 0;
}

int Appelle(const char* nom, int descripteur) {
    if (Refuse(descripteur)) {
        errno = EIO;
        return -1;
    }
    const auto systeme = reinterpret_cast<Appel>(::dlsym(RTLD_NEXT, nom));
    if (systeme == nullptr) {
        errno = ENOSYS;
        return -1;
    }
    return systeme(descripteur);
}

} // namespace

extern "C" int fsync(int descripteur) {
    return Appelle("fsync", descripteur);
}

extern "C" int fdatasync(int descripteur) {
    return Appelle("fdatasync", descripteur);
}
