# Writes the Debian changelog of the package from the program's version history: one entry a version,
# newest first, each dated from its history line.
#   cmake -DHISTORIQUE=<history file> -DPARAMETRES=<file setting PAQUET and MAINTENEUR>
#         -DSORTIE=<changelog> -P Changelog_Debian.cmake
include(${CMAKE_CURRENT_LIST_DIR}/Historique.cmake)
include(${PARAMETRES})

# "Mon, 01 Dec 2014" from 2014-12-01: the changelog's date names the day of the week. Days are counted
# from 1970-01-01, a Thursday, with March as the first month, so that February's end is the year's.
function(kez_date_changelog date resultat)
    string(REPLACE "-" ";" parties ${date})
    list(GET parties 0 annee)
    list(GET parties 1 mois)
    list(GET parties 2 jour)
    set(noms_mois Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    math(EXPR rang "${mois} - 1")
    list(GET noms_mois ${rang} nom_mois)
    if(mois LESS_EQUAL 2)
        math(EXPR annee_mars "${annee} - 1")
        math(EXPR mois_mars "${mois} + 9")
    else()
        set(annee_mars ${annee})
        math(EXPR mois_mars "${mois} - 3")
    endif()
    math(EXPR jours "${annee_mars} * 365 + ${annee_mars} / 4 - ${annee_mars} / 100 + ${annee_mars} / 400
                     + (153 * ${mois_mars} + 2) / 5 + ${jour} - 1 - 719468")
    math(EXPR rang "(${jours} + 4) % 7")
    set(noms_jours Sun Mon Tue Wed Thu Fri Sat)
    list(GET noms_jours ${rang} nom_jour)
    set(${resultat} "${nom_jour}, ${jour} ${nom_mois} ${annee}" PARENT_SCOPE)
endfunction()

kez_lit_historique(${HISTORIQUE} lignes)
list(REVERSE lignes)
# Entries are joined as text: the "; urgency" of each would split a list.
set(changelog)
set(avant)
foreach(ligne IN LISTS lignes)
    kez_entree_historique("${ligne}" version date texte)
    kez_date_changelog(${date} jour)
    string(APPEND changelog "${avant}${PAQUET} (${version}) unstable; urgency=medium

  * ${texte}

 -- ${MAINTENEUR}  ${jour} 00:00:00 +0000
")
    set(avant "\n")
endforeach()
file(WRITE ${SORTIE} "${changelog}")
