# The version history the program shows under "Aide" > "Historique" (src/app/Historique_Versions.txt),
# one line a version, oldest first: "V1.0.9   le 01/12/2014 what changed". The program's version is
# its last line's, and the Debian changelog is made from it: one history for all three.

# The lines of the history file. A line of another shape stops the build: no version or changelog
# entry could be read from it.
function(kez_lit_historique fichier lignes)
    file(STRINGS ${fichier} contenu ENCODING UTF-8)
    foreach(ligne IN LISTS contenu)
        kez_entree_historique("${ligne}" version date texte)
    endforeach()
    set(${lignes} "${contenu}" PARENT_SCOPE)
endfunction()

# The version (1.0.9), the date (2014-12-01) and what changed, of one line of the history.
function(kez_entree_historique ligne version date texte)
    set(n "[0-9]")
    if(NOT ligne MATCHES "^V(${n}+\\.${n}+\\.${n}+) +le (${n}${n})/(${n}${n})/(${n}${n}${n}${n}) +(.+)$")
        message(FATAL_ERROR "History line not of the form \"V1.2.3   le DD/MM/YYYY what changed\": ${ligne}")
    endif()
    set(${version} ${CMAKE_MATCH_1} PARENT_SCOPE)
    set(${date} ${CMAKE_MATCH_4}-${CMAKE_MATCH_3}-${CMAKE_MATCH_2} PARENT_SCOPE)
    set(${texte} "${CMAKE_MATCH_5}" PARENT_SCOPE)
endfunction()
