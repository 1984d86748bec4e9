# `cmake --install` (the program itself is installed by src/app): its help pages and an example brelo.dat under
# share/brelo/doc, a desktop entry and its icon. The program reads brelo.dat from
# its working directory; the desktop entry starts it in the user's home, where
# brelo.dat goes. A help page in the working directory wins; otherwise the
# documentation page opens the installed one, found from the program's own folder.
install(FILES
    ${PROJECT_SOURCE_DIR}/doc/breloaide.htm
    ${PROJECT_SOURCE_DIR}/doc/breloaide_en.htm
    ${PROJECT_SOURCE_DIR}/doc/construbrelo.htm
    ${PROJECT_SOURCE_DIR}/doc/brelo1.htm
    ${PROJECT_SOURCE_DIR}/doc/brelo2.htm
    ${PROJECT_SOURCE_DIR}/doc/brelo.dat.example
  DESTINATION ${CMAKE_INSTALL_DATADIR}/brelo/doc)
# The English translation, which both programs find from their own folder.
install(FILES ${PROJECT_BINARY_DIR}/translations/brelo_en.qm DESTINATION ${CMAKE_INSTALL_DATADIR}/brelo/translations)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/brelo.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/brelo.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
