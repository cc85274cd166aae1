<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pl">
<context>
    <name>CatalogueTowerDialog</name>
    <message>
        <source>Wybór słupa</source>
        <translation>Tower selection</translation>
    </message>
    <message>
        <source>Słupy zapisane w pliku:</source>
        <translation>Towers stored in the file:</translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TW_About</name>
    <message>
        <source>O programie</source>
        <translation>About</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TW_EndAsk</name>
    <message>
        <source>Zakończyć program?</source>
        <translation>Exit the program?</translation>
    </message>
    <message>
        <source>Zakończenie programu?</source>
        <translation>Exit the program?</translation>
    </message>
    <message>
        <source>color: rgb(255, 0, 0);</source>
        <translation>color: rgb(255, 0, 0);</translation>
    </message>
    <message>
        <source>Czy chcesz zapisać wyniki obliczeń?</source>
        <translation>Do you want to save the calculation results?</translation>
    </message>
    <message>
        <source>color: rgb(0, 128, 0);</source>
        <translation>color: rgb(0, 128, 0);</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TW_Kom</name>
    <message>
        <source>Komentarz</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Podaj komentarz do wykresu:</source>
        <translation>Enter a comment for the graph:</translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation>&amp;Yes</translation>
    </message>
</context>
<context>
    <name>TW_LoadS</name>
    <message>
        <source>Wczytanie słupa</source>
        <translation>Loading a tower</translation>
    </message>
    <message>
        <source>Seria i typ słupa</source>
        <translation>Tower series and type</translation>
    </message>
    <message>
        <source>Typ słupa używany przy obliczeniach pola</source>
        <translation>Tower type used for the field calculation</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Wczytanie danych z pliku</source>
        <translation>Loading data from a file</translation>
    </message>
    <message>
        <source>Wys. zaw. najniższego przew. roboczego</source>
        <translation>Susp. height of lowest working conductor</translation>
    </message>
    <message>
        <source>Podaj wysokość w metrach</source>
        <translation>Enter the height in metres</translation>
    </message>
    <message>
        <source>Wskaźnik poprawności podanych wysokości zawieszenia przewodów.</source>
        <translation>Indicator of whether the given conductor suspension heights are valid.</translation>
    </message>
    <message>
        <source>Wys. zaw. przewodów odgromowych</source>
        <translation>Susp. height of ground wires</translation>
    </message>
    <message>
        <source>Badane pole</source>
        <translation>Field studied</translation>
    </message>
    <message>
        <source>Wybór rodzaju pola</source>
        <translation>Choice of the field kind</translation>
    </message>
    <message>
        <source>Elektryczne</source>
        <translation>Electric</translation>
    </message>
    <message>
        <source>Magnetyczne</source>
        <translation>Magnetic</translation>
    </message>
    <message>
        <source>Obliczenia </source>
        <translation>Calculation </translation>
    </message>
    <message>
        <source>Wybór sposobu obliczeń</source>
        <translation>Choice of the calculation mode</translation>
    </message>
    <message>
        <source>Na przewodach</source>
        <translation>On the conductors</translation>
    </message>
    <message>
        <source>Wzdłuż zadanych prostych</source>
        <translation>Along given lines</translation>
    </message>
    <message>
        <source>Obliczenia na prostych</source>
        <translation>Calculation along lines</translation>
    </message>
    <message>
        <source>Wybór prostej do obliczeń</source>
        <translation>Choice of the calculation line</translation>
    </message>
    <message>
        <source>Na stałej wysokości (y)</source>
        <translation>At a constant height (y)</translation>
    </message>
    <message>
        <source>Wzdłuż prostej pionowej (x)</source>
        <translation>Along a vertical line (x)</translation>
    </message>
    <message>
        <source>2.0</source>
        <translation>2.0</translation>
    </message>
    <message>
        <source>Podaj odległość w metrach</source>
        <translation>Enter the distance in metres</translation>
    </message>
    <message>
        <source>Obliczenia zakłóceń</source>
        <translation>Interference calculation</translation>
    </message>
    <message>
        <source>Zakł. na przewodach?</source>
        <translation>RI on conductors?</translation>
    </message>
    <message>
        <source>Dodatkowe obliczenia</source>
        <translation>Additional calculations</translation>
    </message>
    <message>
        <source>Budynek</source>
        <translation>Building</translation>
    </message>
    <message>
        <source>Dane dla budynku</source>
        <translation>Building data</translation>
    </message>
    <message>
        <source>Edycja paramatrów domku</source>
        <translation>Editing the building parameters</translation>
    </message>
    <message>
        <source>Przewody ekranujące</source>
        <translation>Shield wires</translation>
    </message>
    <message>
        <source>Dane dla przewodów ekranujących</source>
        <translation>Shield wire data</translation>
    </message>
    <message>
        <source>Zmiana faz!</source>
        <translation>Phase change!</translation>
    </message>
    <message>
        <source>Zmiana kolejności faz dla linii dwutorowej</source>
        <translation>Change of the phase order of a double-circuit line</translation>
    </message>
    <message>
        <source>Napięcia fazowe</source>
        <translation>Phase voltages</translation>
    </message>
    <message>
        <source>Nowy słup</source>
        <translation>New tower</translation>
    </message>
    <message>
        <source>Przesunięcie słupa</source>
        <translation>Shift of the tower</translation>
    </message>
    <message>
        <source>Edycja przesunięcia osi słupa</source>
        <translation>Editing the shift of the tower axis</translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nie</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>#Panel2 { background: white; }</source>
        <translation>#Panel2 { background: white; }</translation>
    </message>
    <message>
        <source>Rozmieszczenie przewodów roboczych i odgromowych na wczytanym słupie</source>
        <translation>Arrangement of the working conductors and ground wires on the loaded tower</translation>
    </message>
    <message>
        <source>Linie sąsiednie...</source>
        <translation>Neighbouring lines...</translation>
    </message>
    <message>
        <source>Linie biegnące obok linii w tym samym przekroju</source>
        <translation>Lines running beside the line in the same cross-section</translation>
    </message>
</context>
<context>
    <name>TW_Main</name>
    <message>
        <source>VELT  2009</source>
        <translation>VELT  2009</translation>
    </message>
    <message>
        <source>Nowy słup</source>
        <translation>New tower</translation>
    </message>
    <message>
        <source>Wczytanie słupa</source>
        <translation>Loading a tower</translation>
    </message>
    <message>
        <source>Zapisanie wyników</source>
        <translation>Saving the results</translation>
    </message>
    <message>
        <source>Wydruk wyników</source>
        <translation>Printing the results</translation>
    </message>
    <message>
        <source>Wykonanie obliczeń</source>
        <translation>Running the calculation</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Wyjście z programu</source>
        <translation>Exit the program</translation>
    </message>
    <message>
        <source>Plik</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Słup</source>
        <translation>Tower</translation>
    </message>
    <message>
        <source>Wykres</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>Obliczenia</source>
        <translation>Calculations</translation>
    </message>
    <message>
        <source>Okno</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Zapisz wyniki</source>
        <translation>Save results</translation>
    </message>
    <message>
        <source>Drukuj wyniki</source>
        <translation>Print results</translation>
    </message>
    <message>
        <source>Zakończ program</source>
        <translation>Exit program</translation>
    </message>
    <message>
        <source>Otwórz projekt...</source>
        <translation>Open project...</translation>
    </message>
    <message>
        <source>Zapisz projekt...</source>
        <translation>Save project...</translation>
    </message>
    <message>
        <source>Zapisz projekt jako...</source>
        <translation>Save project as...</translation>
    </message>
    <message>
        <source>Eksportuj wariant...</source>
        <translation>Export variant...</translation>
    </message>
    <message>
        <source>Wczytaj słup</source>
        <translation>Load tower</translation>
    </message>
    <message>
        <source>Zapisz słup</source>
        <translation>Save tower</translation>
    </message>
    <message>
        <source>Wykonaj</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Linie sąsiednie...</source>
        <translation>Neighbouring lines...</translation>
    </message>
    <message>
        <source>Dokładne natężenie na powierzchni wiązek</source>
        <translation>Accurate surface gradient of the bundles</translation>
    </message>
    <message>
        <source>Poziomy dopuszczalne...</source>
        <translation>Exposure limits...</translation>
    </message>
    <message>
        <source>Mapa pola...</source>
        <translation>Field map...</translation>
    </message>
    <message>
        <source>Seria obliczeń...</source>
        <translation>Series of calculations...</translation>
    </message>
    <message>
        <source>Kaskada</source>
        <translation>Cascade</translation>
    </message>
    <message>
        <source>Poziomo</source>
        <translation>Tile horizontally</translation>
    </message>
    <message>
        <source>Pionowo</source>
        <translation>Tile vertically</translation>
    </message>
    <message>
        <source>Informacje o programie</source>
        <translation>About the program</translation>
    </message>
</context>
<context>
    <name>TW_NPOdg</name>
    <message>
        <source>Dane przewodów odgromowych</source>
        <translation>Ground wire data</translation>
    </message>
    <message>
        <source>Odległość</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Wysokość</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Ilość przewodów</source>
        <translation>Number of conductors</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Średnica przewodów</source>
        <translation>Conductor diameter</translation>
    </message>
    <message>
        <source>0.0</source>
        <translation>0.0</translation>
    </message>
    <message>
        <source>Podaj średnicę w metrach</source>
        <translation>Enter the diameter in metres</translation>
    </message>
    <message>
        <source>Ilość prz. w wiązce</source>
        <translation>Sub-conductors in bundle</translation>
    </message>
    <message>
        <source>Odległość p. w wiąz.</source>
        <translation>Sub-conductor spacing</translation>
    </message>
    <message>
        <source>&amp;Dodaj</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Skasuj</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TW_New</name>
    <message>
        <source>Nowy słup</source>
        <translation>New tower</translation>
    </message>
    <message>
        <source>Dane z pliku</source>
        <translation>Data from file</translation>
    </message>
    <message>
        <source>Plik z danymi słupów</source>
        <translation>Tower data file</translation>
    </message>
    <message>
        <source>Wczytanie nowych danych z pliku</source>
        <translation>Loading new data from a file</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Typy zdefiniowane</source>
        <translation>Defined types</translation>
    </message>
    <message>
        <source>Lista słupów w pliku</source>
        <translation>List of towers in the file</translation>
    </message>
    <message>
        <source>Seria</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Seria słupa</source>
        <translation>Tower series</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Typ słupa</source>
        <translation>Tower type</translation>
    </message>
    <message>
        <source>Napięcie znamionowe</source>
        <translation>Rated voltage</translation>
    </message>
    <message>
        <source>Napięcie znamionowe linii</source>
        <translation>Rated voltage of the line</translation>
    </message>
    <message>
        <source>Ilość przewodów rob.</source>
        <translation>No. of working cond.</translation>
    </message>
    <message>
        <source>Ilość przewodów roboczych</source>
        <translation>Number of working conductors</translation>
    </message>
    <message>
        <source>Edycja przewodów roboczych</source>
        <translation>Editing the working conductors</translation>
    </message>
    <message>
        <source>Ilość przewodów odg.</source>
        <translation>No. of ground wires</translation>
    </message>
    <message>
        <source>Ilość przewodów odgromowych</source>
        <translation>Number of ground wires</translation>
    </message>
    <message>
        <source>Edycja przewodów odgromowych</source>
        <translation>Editing the ground wires</translation>
    </message>
    <message>
        <source>Wys. zaw. przew. rob.</source>
        <translation>Susp. height of work. cond.</translation>
    </message>
    <message>
        <source>Wysokość zawieszenia przewodów roboczych</source>
        <translation>Suspension height of the working conductors</translation>
    </message>
    <message>
        <source>Wys. zaw. przew. odg.</source>
        <translation>Susp. height of ground wires</translation>
    </message>
    <message>
        <source>Wysokośc zawieszenia przewodów odgromowych</source>
        <translation>Suspension height of the ground wires</translation>
    </message>
    <message>
        <source>Wskaźnik prawidłowej skali wykresu</source>
        <translation>Indicator of a correct drawing scale</translation>
    </message>
    <message>
        <source>#Panel1 { background: white; }</source>
        <translation>#Panel1 { background: white; }</translation>
    </message>
    <message>
        <source>Rozmieszczenie przewodów roboczych i odgromowych na wczytanym słupie</source>
        <translation>Arrangement of the working conductors and ground wires on the loaded tower</translation>
    </message>
    <message>
        <source>Pasek zaawansowania obliczeń</source>
        <translation>Calculation progress bar</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Zapisanie danych słupa do aktualnego pliku</source>
        <translation>Saving the tower data to the current file</translation>
    </message>
    <message>
        <source>Zapisz jako</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Zapisanie danych słupa do podanego pliku</source>
        <translation>Saving the tower data to a chosen file</translation>
    </message>
    <message>
        <source>Testuj</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Zapisanie danych słupa do bufora tymczasowego</source>
        <translation>Saving the tower data to a temporary buffer</translation>
    </message>
    <message>
        <source>Zakończ</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Zakończenie edycji słupa.</source>
        <translation>Ending the tower editing.</translation>
    </message>
</context>
<context>
    <name>TW_NewPrzew</name>
    <message>
        <source>Nowy przewód</source>
        <translation>New conductor</translation>
    </message>
    <message>
        <source>Odległość od osi linii [m]</source>
        <translation>Distance from the line axis [m]</translation>
    </message>
    <message>
        <source>0.00</source>
        <translation>0.00</translation>
    </message>
    <message>
        <source>Wysokość zawieszenia [m]</source>
        <translation>Suspension height [m]</translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nie</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TW_PEkr</name>
    <message>
        <source>Przewodu ekranujące</source>
        <translation>Shield wires</translation>
    </message>
    <message>
        <source>Odległość</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Wysokość</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Ilość przewodów</source>
        <translation>Number of conductors</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Średnica przewodów</source>
        <translation>Conductor diameter</translation>
    </message>
    <message>
        <source>0.0</source>
        <translation>0.0</translation>
    </message>
    <message>
        <source>Podaj średnicę w metrach</source>
        <translation>Enter the diameter in metres</translation>
    </message>
    <message>
        <source>&amp;Dodaj</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Skasuj</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nie</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TW_PFaz</name>
    <message>
        <source>Maksymalny prąd fazowy</source>
        <translation>Maximum phase current</translation>
    </message>
    <message>
        <source> Podaj maksymalną wartość prądu fazowego </source>
        <translation> Enter the maximum value of the phase current </translation>
    </message>
    <message>
        <source>Pierwszy tor</source>
        <translation>First circuit</translation>
    </message>
    <message>
        <source>0.0</source>
        <translation>0.0</translation>
    </message>
    <message>
        <source>[A]</source>
        <translation>[A]</translation>
    </message>
    <message>
        <source>Drugi tor</source>
        <translation>Second circuit</translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation>&amp;Yes</translation>
    </message>
</context>
<context>
    <name>TW_PRob</name>
    <message>
        <source>Dane przewodów roboczych</source>
        <translation>Working conductor data</translation>
    </message>
    <message>
        <source>Odległość</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Wysokość</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Ilość przewodów</source>
        <translation>Number of conductors</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Średnica przewodów</source>
        <translation>Conductor diameter</translation>
    </message>
    <message>
        <source>0.0</source>
        <translation>0.0</translation>
    </message>
    <message>
        <source>Podaj średnicę w metrach</source>
        <translation>Enter the diameter in metres</translation>
    </message>
    <message>
        <source>Ilość prz. w wiązce</source>
        <translation>Sub-conductors in bundle</translation>
    </message>
    <message>
        <source>Odległość p. w wiąz.</source>
        <translation>Sub-conductor spacing</translation>
    </message>
    <message>
        <source>&amp;Dodaj</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Skasuj</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TW_PrzesSlup</name>
    <message>
        <source>Przesunięcie słupa</source>
        <translation>Shift of the tower</translation>
    </message>
    <message>
        <source>Podaj przesunięcie słupa [m]:</source>
        <translation>Enter the shift of the tower [m]:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation>&amp;Yes</translation>
    </message>
</context>
<context>
    <name>TW_Save</name>
    <message>
        <source>Zapis wariantu</source>
        <translation>Saving the variant</translation>
    </message>
    <message>
        <source>Czy chcesz zapisać aktualny wariant?</source>
        <translation>Do you want to save the current variant?</translation>
    </message>
    <message>
        <source>color: rgb(0, 128, 0);</source>
        <translation>color: rgb(0, 128, 0);</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Wyjdź</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>TW_Splash</name>
    <message>
        <source>VELT 2009</source>
        <translation>VELT 2009</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TW_UWar</name>
    <message>
        <source>Ostrzeżenie</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Czy na pewno usunąć bieżący wariant?</source>
        <translation>Do you really want to delete the current variant?</translation>
    </message>
    <message>
        <source>color: rgb(255, 0, 0);</source>
        <translation>color: rgb(255, 0, 0);</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>&amp;Nie</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>TW_WspDom</name>
    <message>
        <source>Domek</source>
        <translation>Building</translation>
    </message>
    <message>
        <source>Podaj współrzędne domku</source>
        <translation>Enter the coordinates of the building</translation>
    </message>
    <message>
        <source>Szczyt frontu [X]</source>
        <translation>Top of the front [X]</translation>
    </message>
    <message>
        <source>0.00</source>
        <translation>0.00</translation>
    </message>
    <message>
        <source>[m]</source>
        <translation>[m]</translation>
    </message>
    <message>
        <source>Szczyt frontu [Y]</source>
        <translation>Top of the front [Y]</translation>
    </message>
    <message>
        <source>Koniec dachu [X]</source>
        <translation>End of the roof [X]</translation>
    </message>
    <message>
        <source>Koniec dachu [Y]</source>
        <translation>End of the roof [Y]</translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nie</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TW_ZFaz</name>
    <message>
        <source>Zmiana faz</source>
        <translation>Phase change</translation>
    </message>
    <message>
        <source> Układ faz linii </source>
        <translation> Phase arrangement of the line </translation>
    </message>
    <message>
        <source>RST - RST</source>
        <translation>RST - RST</translation>
    </message>
    <message>
        <source>RST - TRS</source>
        <translation>RST - TRS</translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nie</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TW_ZObl</name>
    <message>
        <source>Zakres obliczeń</source>
        <translation>Calculation range</translation>
    </message>
    <message>
        <source>Podaj zakres obliczeń [m]:</source>
        <translation>Enter the calculation range [m]:</translation>
    </message>
    <message>
        <source>50.0</source>
        <translation>50.0</translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation>&amp;Yes</translation>
    </message>
</context>
<context>
    <name>TW_ZRys</name>
    <message>
        <source>Zakres rysunku</source>
        <translation>Drawing range</translation>
    </message>
    <message>
        <source>Podaj zakres rysunku [m]:</source>
        <translation>Enter the drawing range [m]:</translation>
    </message>
    <message>
        <source>30.0</source>
        <translation>30.0</translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation>&amp;Yes</translation>
    </message>
</context>
<context>
    <name>TW_Zakl</name>
    <message>
        <source>Zakłócenia na przewodach</source>
        <translation>Radio interference on the conductors</translation>
    </message>
    <message>
        <source>Odległośc od osi linii [m]</source>
        <translation>Distance from the line axis [m]</translation>
    </message>
    <message>
        <source>0.00</source>
        <translation>0.00</translation>
    </message>
    <message>
        <source>Częstotliwość [MHz]</source>
        <translation>Frequency [MHz]</translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nie</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>velt</name>
    <message>
        <source>Tereny zabudowy mieszkaniowej (PL)</source>
        <translation>Residential areas (PL)</translation>
    </message>
    <message>
        <source>Miejsca dostępne dla ludności (PL)</source>
        <translation>Places accessible to the public (PL)</translation>
    </message>
    <message>
        <source>ICNIRP 2010, ogół ludności</source>
        <translation>ICNIRP 2010, general public</translation>
    </message>
    <message>
        <source>ICNIRP 2010, pracownicy</source>
        <translation>ICNIRP 2010, occupational</translation>
    </message>
    <message>
        <source>UE 1999/519/WE, ogół ludności</source>
        <translation>EU 1999/519/EC, general public</translation>
    </message>
    <message>
        <source>Nazwa poziomu odniesienia musi mieć od 1 do 64 znaków!</source>
        <translation>The name of a reference level must have 1 to 64 characters!</translation>
    </message>
    <message>
        <source>Poziom odniesienia pola elektrycznego musi być większy od 0.0!</source>
        <translation>The reference level of the electric field must be greater than 0.0!</translation>
    </message>
    <message>
        <source>Poziom odniesienia pola magnetycznego musi być większy od 0.0!</source>
        <translation>The reference level of the magnetic field must be greater than 0.0!</translation>
    </message>
    <message>
        <source>Nieznany poziom odniesienia!</source>
        <translation>Unknown reference level!</translation>
    </message>
    <message>
        <source>Poziomy odniesienia nie mogą się powtarzać!</source>
        <translation>Reference levels must not repeat!</translation>
    </message>
    <message>
        <source>Zasięg mapy pola musi być większy od 0.0!</source>
        <translation>The field map extent must be greater than 0.0!</translation>
    </message>
    <message>
        <source>Wysokość mapy pola musi być większa od 0.0!</source>
        <translation>The field map height must be greater than 0.0!</translation>
    </message>
    <message>
        <source>Krok siatki X musi być większy od 0.0!</source>
        <translation>The grid step X must be greater than 0.0!</translation>
    </message>
    <message>
        <source>Krok siatki Y musi być większy od 0.0!</source>
        <translation>The grid step Y must be greater than 0.0!</translation>
    </message>
    <message>
        <source>Siatka mapy pola ma %1 punktów, a może mieć najwyżej %2!</source>
        <translation>The field map grid has %1 points, but may have at most %2!</translation>
    </message>
    <message>
        <source>Pobrane dane do obliczeń</source>
        <translation>Data taken for the calculation</translation>
    </message>
    <message>
        <source>Nie można obliczyć mapy pola dla tej linii!</source>
        <translation>The field map cannot be calculated for this line!</translation>
    </message>
    <message>
        <source>pl</source>
        <comment>the language of the numbers</comment>
        <translation>en</translation>
    </message>
    <message>
        <source>Mapa pola %1.</source>
        <translation>Field map %1.</translation>
    </message>
    <message>
        <source>Nieznany błąd programu.</source>
        <translation>Unknown program error.</translation>
    </message>
    <message>
        <source>Program VELT 2009</source>
        <translation>The VELT 2009 program</translation>
    </message>
    <message>
        <source>Okno główne i polecenia</source>
        <translation>Main window and commands</translation>
    </message>
    <message>
        <source>Wprowadzanie danych linii</source>
        <translation>Entering the line data</translation>
    </message>
    <message>
        <source>Rodzaje obliczeń</source>
        <translation>Kinds of calculation</translation>
    </message>
    <message>
        <source>Wykres, raport, zapis i wydruk</source>
        <translation>Graph, report, saving and printing</translation>
    </message>
    <message>
        <source>Edytor słupów i pliki słupów</source>
        <translation>Tower editor and tower files</translation>
    </message>
    <message>
        <source>Projekty linii i eksport wyników</source>
        <translation>Line projects and export of results</translation>
    </message>
    <message>
        <source>Opcje obliczeń</source>
        <translation>Calculation options</translation>
    </message>
    <message>
        <source>Projektu nie zapisano:
</source>
        <translation>The project was not saved:
</translation>
    </message>
    <message>
        <source>Seria obliczeń jeszcze trwa!</source>
        <translation>The series of calculations is still running!</translation>
    </message>
    <message>
        <source>Wysokość zawieszenia przewodów roboczych</source>
        <translation>Suspension height of the working conductors</translation>
    </message>
    <message>
        <source>Wysokość zawieszenia przewodów odgromowych</source>
        <translation>Suspension height of the ground wires</translation>
    </message>
    <message>
        <source>Przesunięcie słupa</source>
        <translation>Shift of the tower</translation>
    </message>
    <message>
        <source>Wysokość prostej obliczeń</source>
        <translation>Height of the calculation line</translation>
    </message>
    <message>
        <source>Odległość prostej pionowej od osi linii</source>
        <translation>Distance of the vertical line from the line axis</translation>
    </message>
    <message>
        <source>Prąd fazowy pierwszego toru</source>
        <translation>Phase current of the first circuit</translation>
    </message>
    <message>
        <source>Prąd fazowy drugiego toru</source>
        <translation>Phase current of the second circuit</translation>
    </message>
    <message>
        <source>Odległość frontu budynku od osi linii</source>
        <translation>Distance of the building front from the line axis</translation>
    </message>
    <message>
        <source>Kolejność faz</source>
        <translation>Phase order</translation>
    </message>
    <message>
        <source>Położenie linii sąsiedniej %1</source>
        <translation>Position of neighbouring line %1</translation>
    </message>
    <message>
        <source>VELT 2009 dla Windows
Obliczenia pola elektromagnetycznego pod 
liniami 
elektroenergetycznymi

Opracowanie: zespół programu VELT
Kontakt: dział wsparcia użytkowników</source>
        <translation>VELT 2009 for Windows
Calculation of the electromagnetic field under 
overhead 
power lines

Developed by: the VELT program team
Contact: user support department</translation>
    </message>
    <message>
        <source>Utworzenie nowego słupa...</source>
        <translation>Creating a new tower...</translation>
    </message>
    <message>
        <source>Wczytanie danych nowego słupa z pliku definicji...</source>
        <translation>Loading the data of a new tower from a tower file...</translation>
    </message>
    <message>
        <source>Zapisanie wyników (danych oraz wykresów)...</source>
        <translation>Saving the results (data and graphs)...</translation>
    </message>
    <message>
        <source>Drukowanie wyników (wykres lub rozkład pola)...</source>
        <translation>Printing the results (graph or field distribution)...</translation>
    </message>
    <message>
        <source>Wykonanie obliczeń dla podanych parametrów linii energetycznej...</source>
        <translation>Running the calculation for the given parameters of the power line...</translation>
    </message>
    <message>
        <source>Wczytuje i wyświetla plik pomocy...</source>
        <translation>Loads and shows the help file...</translation>
    </message>
    <message>
        <source>Wyjście z programu...</source>
        <translation>Exit the program...</translation>
    </message>
    <message>
        <source>Nie wykonano obliczeń!</source>
        <translation>No calculation has been run!</translation>
    </message>
    <message>
        <source>Nie wybrano wariantu!</source>
        <translation>No variant selected!</translation>
    </message>
    <message>
        <source>Nie wybrano wariantu do druku!</source>
        <translation>No variant selected for printing!</translation>
    </message>
    <message>
        <source>Brak drukarki w systemie.
Wydruk można zapisać w pliku PDF.</source>
        <translation>No printer in the system.
The printout can be saved to a PDF file.</translation>
    </message>
    <message>
        <source>Zapis wydruku</source>
        <translation>Save printout</translation>
    </message>
    <message>
        <source>Otwórz projekt</source>
        <translation>Open project</translation>
    </message>
    <message>
        <source>Zapisz projekt</source>
        <translation>Save project</translation>
    </message>
    <message>
        <source>Eksportuj wariant</source>
        <translation>Export variant</translation>
    </message>
    <message>
        <source>Wariant %1.</source>
        <translation>Variant %1.</translation>
    </message>
    <message>
        <source>Nie podano danych!</source>
        <translation>No data given!</translation>
    </message>
    <message>
        <source>Obliczenia wykonane...</source>
        <translation>Calculation completed...</translation>
    </message>
    <message>
        <source>Zakres obliczeń musi by większy od 0.0 [m]!</source>
        <translation>The calculation range must be greater than 0.0 [m]!</translation>
    </message>
    <message>
        <source>Zakres obliczeń musi być większy od 0.0 [m]!</source>
        <translation>The calculation range must be greater than 0.0 [m]!</translation>
    </message>
    <message>
        <source>Wszystkie przewody muszą wisieć powyżej ziemi!</source>
        <translation>All conductors must hang above the ground!</translation>
    </message>
    <message>
        <source>Promień przewodów musi być większy od 0.0!</source>
        <translation>The conductor radius must be greater than 0.0!</translation>
    </message>
    <message>
        <source>Odległość przewodów w wiązce musi być większa od 0.0!</source>
        <translation>The sub-conductor spacing in a bundle must be greater than 0.0!</translation>
    </message>
    <message>
        <source>Liczba przewodów w wiązce musi wynosić co najmniej 1!</source>
        <translation>The number of sub-conductors in a bundle must be at least 1!</translation>
    </message>
    <message>
        <source>Dwa przewody nie mogą leżeć w tym samym miejscu!</source>
        <translation>Two conductors must not lie at the same place!</translation>
    </message>
    <message>
        <source>Obliczenia wymagają 1, 2, 3 lub 6 przewodów roboczych!</source>
        <translation>The calculation needs 1, 2, 3 or 6 working conductors!</translation>
    </message>
    <message>
        <source>Obliczenia na przewodach obsługują wiązki najwyżej 4 przewodów!</source>
        <translation>The calculation on the conductors handles bundles of at most 4 sub-conductors!</translation>
    </message>
    <message>
        <source>Dane linii zawierają niepoprawne liczby!</source>
        <translation>The line data contain invalid numbers!</translation>
    </message>
    <message>
        <source>Zakres obliczeń jest poza możliwościami programu!</source>
        <translation>The calculation range is beyond the capabilities of the program!</translation>
    </message>
    <message>
        <source>Układ przewodów jest osobliwy, obliczenia są niemożliwe!</source>
        <translation>The conductor arrangement is singular; the calculation is impossible!</translation>
    </message>
    <message>
        <source>Częstotliwość musi być większa od 0.0!</source>
        <translation>The frequency must be greater than 0.0!</translation>
    </message>
    <message>
        <source>Punkt obserwacji zakłóceń nie może leżeć na przewodzie roboczym!</source>
        <translation>The interference observation point must not lie on a working conductor!</translation>
    </message>
    <message>
        <source>Linia sąsiednia %1: </source>
        <translation>Neighbouring line %1: </translation>
    </message>
    <message>
        <source>Zbyt wiele linii sąsiednich!
Model obejmuje najwyżej 8 linii sąsiednich.</source>
        <translation>Too many neighbouring lines!
The model covers at most 8 neighbouring lines.</translation>
    </message>
    <message>
        <source>Zbyt wiele przewodów do obliczeń!
Model obejmuje najwyżej 500 przewodów wszystkich linii.</source>
        <translation>Too many conductors for the calculation!
The model covers at most 500 conductors of all lines.</translation>
    </message>
    <message>
        <source>Przewody nie mogą przechodzić przez budynek!</source>
        <translation>Conductors must not pass through the building!</translation>
    </message>
    <message>
        <source>Poczekaj chwilę. Wykonuję obliczenia pola elektrycznego...</source>
        <translation>Please wait. Calculating the electric field...</translation>
    </message>
    <message>
        <source>Obliczenia wykonane!</source>
        <translation>Calculation completed!</translation>
    </message>
    <message>
        <source>Poczekaj chwilę. Wykonuję obliczenia pola magnetycznego...</source>
        <translation>Please wait. Calculating the magnetic field...</translation>
    </message>
    <message>
        <source>Niepoprawne wysokości przewodów!</source>
        <translation>Invalid conductor heights!</translation>
    </message>
    <message>
        <source>Napięcie linii musi być większe od 0.0 i nie większe od 1200 kV!</source>
        <translation>The line voltage must be greater than 0.0 and not greater than 1200 kV!</translation>
    </message>
    <message>
        <source>Nie podano prądów fazowych linii!</source>
        <translation>The phase currents of the line are not given!</translation>
    </message>
    <message>
        <source>Wartość prądu fazowego musi być większa od 0.0!</source>
        <translation>The phase current must be greater than 0.0!</translation>
    </message>
    <message>
        <source>Zakres rysunku musi być większy od 0.0 [m]!</source>
        <translation>The drawing range must be greater than 0.0 [m]!</translation>
    </message>
    <message>
        <source>Zakres rysunku nie może być większy od zakresu obliczeń!</source>
        <translation>The drawing range must not be greater than the calculation range!</translation>
    </message>
    <message>
        <source>Wczytanie danych z pliku</source>
        <translation>Loading data from a file</translation>
    </message>
    <message>
        <source>Szukam słupa...</source>
        <translation>Searching for the tower...</translation>
    </message>
    <message>
        <source>Podaj nazwę dla pliku *.VELT_data programu VELT 2001</source>
        <translation>Enter the name of the VELT 2001 *.VELT_data file</translation>
    </message>
    <message>
        <source>Podaj plik *.LIN z programu VELT&apos;99</source>
        <translation>Select the *.LIN file of VELT&apos;99</translation>
    </message>
    <message>
        <source>Przesunięcie słupa nie może być mniejsze od 0.0 [m]!</source>
        <translation>The shift of the tower must not be less than 0.0 [m]!</translation>
    </message>
    <message>
        <source>Wartość prądy fazowego musi być większa od 0.0!</source>
        <translation>The phase current must be greater than 0.0!</translation>
    </message>
    <message>
        <source>Przewody robocze
pokrywają się z 
przewodami odgromowymi!</source>
        <translation>Working conductors
coincide with 
ground wires!</translation>
    </message>
    <message>
        <source>Przewody odgromowe
pokrywają się z 
przewodami roboczymi!</source>
        <translation>Ground wires
coincide with 
working conductors!</translation>
    </message>
    <message>
        <source>Nie podano średnicy przewodów!</source>
        <translation>No conductor diameter given!</translation>
    </message>
    <message>
        <source>Nie podano ilości przewodów w wiązce!</source>
        <translation>No number of sub-conductors in the bundle given!</translation>
    </message>
    <message>
        <source>Nie podano odległości przewodów w wiązce!</source>
        <translation>No sub-conductor spacing in the bundle given!</translation>
    </message>
    <message>
        <source>Błędne dane!
Współrzędne się powtarzają!</source>
        <translation>Invalid data!
The coordinates repeat!</translation>
    </message>
    <message>
        <source>Nie podano średnicy przewodów ekranujących!</source>
        <translation>No shield wire diameter given!</translation>
    </message>
    <message>
        <source>Nie podano wysokości zawieszenia przewodów roboczych!</source>
        <translation>No suspension height of the working conductors given!</translation>
    </message>
    <message>
        <source>Nie podano wysokości zawieszenia przewodów odgromowych!</source>
        <translation>No suspension height of the ground wires given!</translation>
    </message>
    <message>
        <source>Współrzędne przewodów odgromowych muszą być różne
od współrzędnych przewodów roboczych!</source>
        <translation>The coordinates of the ground wires must differ
from the coordinates of the working conductors!</translation>
    </message>
    <message>
        <source>Współrzędne budynku muszą być różne
od współrzędnych przewodów roboczych!</source>
        <translation>The coordinates of the building must differ
from the coordinates of the working conductors!</translation>
    </message>
    <message>
        <source>Współrzędne przewodów ekranujących muszą być różne
od współrzędnych przewodów roboczych!</source>
        <translation>The coordinates of the shield wires must differ
from the coordinates of the working conductors!</translation>
    </message>
    <message>
        <source>Nie podano współrzędnej prostej Y!</source>
        <translation>The Y coordinate of the line is not given!</translation>
    </message>
    <message>
        <source>Nie podano współrzędnej prostej X!</source>
        <translation>The X coordinate of the line is not given!</translation>
    </message>
    <message>
        <source>Współrzędna prostej Y musi być różna od

1. Wsp. y przewodów odgromowych
2. Wsp. y przewodów ekranujących
3. Wsp. y budynku</source>
        <translation>The Y coordinate of the line must differ from

1. the y coord. of the ground wires
2. the y coord. of the shield wires
3. the y coord. of the building</translation>
    </message>
    <message>
        <source>Współrzędna prostej X musi być różna od

1. Wsp. x przewodów odgromowych
2. Wsp. x przewodów ekranujących
3. Wsp. x budynku</source>
        <translation>The X coordinate of the line must differ from

1. the x coord. of the ground wires
2. the x coord. of the shield wires
3. the x coord. of the building</translation>
    </message>
    <message>
        <source>Przewody odgromowe są umieszczone zbyt nisko!</source>
        <translation>The ground wires are placed too low!</translation>
    </message>
    <message>
        <source>Nie podano wszystkich współrzędnych domku!</source>
        <translation>Not all coordinates of the building are given!</translation>
    </message>
    <message>
        <source>Współrzędne domku muszą być różne!</source>
        <translation>The coordinates of the building must differ!</translation>
    </message>
    <message>
        <source>Wskaźnik poprawności podanych wysokości zawieszenia przewodów.</source>
        <translation>Indicator of whether the given conductor suspension heights are valid.</translation>
    </message>
    <message>
        <source>Nie wybrano serii i typu słupa!</source>
        <translation>No tower series and type selected!</translation>
    </message>
    <message>
        <source>Wybierz najpierw serię i typ słupa!</source>
        <translation>Select the tower series and type first!</translation>
    </message>
    <message>
        <source>Zbyt wiele przewodów do obliczeń!
Model obejmuje najwyżej 59 przewodów.</source>
        <translation>Too many conductors for the calculation!
The model covers at most 59 conductors.</translation>
    </message>
    <message>
        <source>Nie mogę otworzyć pliku!
</source>
        <translation>Cannot open the file!
</translation>
    </message>
    <message>
        <source>Błąd odczytu danych z pliku!
</source>
        <translation>Error reading data from the file!
</translation>
    </message>
    <message>
        <source>Błąd w odczycie danych!
</source>
        <translation>Error in reading the data!
</translation>
    </message>
    <message>
        <source>Błąd zapisu do pliku!
</source>
        <translation>Error writing to the file!
</translation>
    </message>
    <message>
        <source>Zapis sie nie powiódł!</source>
        <translation>Saving failed!</translation>
    </message>
    <message>
        <source>Zapisano słup...</source>
        <translation>Tower saved...</translation>
    </message>
    <message>
        <source>Słup dodany...</source>
        <translation>Tower added...</translation>
    </message>
    <message>
        <source>Słup w pliku zastąpiony...</source>
        <translation>Tower replaced in the file...</translation>
    </message>
    <message>
        <source>Słup już istnieje!
Czy chcesz go zastąpić?</source>
        <translation>The tower already exists!
Do you want to replace it?</translation>
    </message>
    <message>
        <source>Plik z danymi (lub indexem) nie istnieje</source>
        <translation>The data file (or its index) does not exist</translation>
    </message>
    <message>
        <source>Podany słup nie istnieje w pliku!</source>
        <translation>The given tower does not exist in the file!</translation>
    </message>
    <message>
        <source>Nie mogę otworzyć pliku!</source>
        <translation>Cannot open the file!</translation>
    </message>
    <message>
        <source>Konwersja zakończona</source>
        <translation>Conversion completed</translation>
    </message>
    <message>
        <source>Przeszukuję plik...</source>
        <translation>Searching the file...</translation>
    </message>
    <message>
        <source>Sprawdzam dane...</source>
        <translation>Checking the data...</translation>
    </message>
    <message>
        <source>Błędne dane słupa!</source>
        <translation>Invalid tower data!</translation>
    </message>
    <message>
        <source>Nie podano wysokości przewodów!</source>
        <translation>No conductor heights given!</translation>
    </message>
    <message>
        <source>Wysokości przewodów są poprawne.</source>
        <translation>The conductor heights are valid.</translation>
    </message>
    <message>
        <source>Wyskość przewodów odgromowych jest za niska!</source>
        <translation>The ground wire height is too low!</translation>
    </message>
    <message>
        <source>Nie mogę zapisać pliku!
</source>
        <translation>Cannot save the file!
</translation>
    </message>
    <message>
        <source>Pole magnetyczne</source>
        <translation>Magnetic field</translation>
    </message>
    <message>
        <source>Pole elektryczne</source>
        <translation>Electric field</translation>
    </message>
    <message>
        <source>Natężenie pola elektrycznego w przekroju linii</source>
        <translation>Electric field strength in the line cross-section</translation>
    </message>
    <message>
        <source>Natężenie pola magnetycznego w przekroju linii</source>
        <translation>Magnetic field strength in the line cross-section</translation>
    </message>
    <message>
        <source>Nie mogę zapisać rysunku do pliku!
</source>
        <translation>Cannot save the drawing to the file!
</translation>
    </message>
    <message>
        <source>BUDYNEK:</source>
        <translation>BUILDING:</translation>
    </message>
    <message>
        <source>Wsp. szczytu frontu: [m]</source>
        <translation>Front top coord.: [m]</translation>
    </message>
    <message>
        <source>Wsp. konca dachu: [m]</source>
        <translation>Roof end coord.: [m]</translation>
    </message>
    <message>
        <source>SERIA: </source>
        <translation>SERIES: </translation>
    </message>
    <message>
        <source>TYP: </source>
        <translation>TYPE: </translation>
    </message>
    <message>
        <source>Maksymalna wartość indukcji magnetycznej</source>
        <translation>Maximum magnetic flux density</translation>
    </message>
    <message>
        <source>na powierzchni przewodow wynosi:</source>
        <translation>on the conductor surfaces is:</translation>
    </message>
    <message>
        <source>Maksymalna wartosc natezenia pola elektrycznego</source>
        <translation>Maximum electric field strength</translation>
    </message>
    <message>
        <source>Poziom zaklocen w/g kolejnych wzorow [dB]</source>
        <translation>Radio interference level by successive formulas [dB]</translation>
    </message>
    <message>
        <source>przedziałów: %1</source>
        <translation>intervals: %1</translation>
    </message>
    <message>
        <source>(ponad skalą wykresu)</source>
        <translation>(above the graph scale)</translation>
    </message>
    <message>
        <source>Linie sąsiednie:</source>
        <translation>Neighbouring lines:</translation>
    </message>
    <message>
        <source>Metoda dokładna: powierzchnie przewodów ekwipotencjalne</source>
        <translation>Accurate method: equipotential conductor surfaces</translation>
    </message>
    <message>
        <source>Metoda czterech punktów: %1 kV/cm</source>
        <translation>Four-point method: %1 kV/cm</translation>
    </message>
    <message>
        <source>Natężenie początkowe ulotu Eo = %1 kV/cm</source>
        <translation>Corona onset gradient Eo = %1 kV/cm</translation>
    </message>
    <message>
        <source>Szerokość strefy [m]</source>
        <translation>Zone width [m]</translation>
    </message>
    <message>
        <source>Największe natężenie pola elektrycznego w serii obliczeń</source>
        <translation>Highest electric field strength in the series of calculations</translation>
    </message>
    <message>
        <source>Największe natężenie pola magnetycznego w serii obliczeń</source>
        <translation>Highest magnetic field strength in the series of calculations</translation>
    </message>
    <message>
        <source>Największe natężenie pola na powierzchni przewodów w serii</source>
        <translation>Highest surface gradient of the conductors in the series</translation>
    </message>
    <message>
        <source>Największa wartość pola</source>
        <translation>Highest field value</translation>
    </message>
    <message>
        <source>Szerokość strefy</source>
        <translation>Zone width</translation>
    </message>
    <message>
        <source>Najmniejsza wartość spełniająca poziom: %1</source>
        <translation>Smallest value meeting the level: %1</translation>
    </message>
    <message>
        <source>Najmniejsza wartość spełniająca poziom w odległości %2 m od osi linii: %1</source>
        <translation>Smallest value meeting the level at %2 m from the line axis: %1</translation>
    </message>
    <message>
        <source>Żadna wartość nie spełnia poziomu</source>
        <translation>No value meets the level</translation>
    </message>
    <message>
        <source> Przewód roboczy</source>
        <translation> Working conductor</translation>
    </message>
    <message>
        <source> Przewód odgromowy</source>
        <translation> Ground wire</translation>
    </message>
    <message>
        <source>Nie podano pliku!</source>
        <translation>No file given!</translation>
    </message>
    <message>
        <source>Nie wybrano słupa do usunięcia z pliku!</source>
        <translation>No tower selected for deletion from the file!</translation>
    </message>
    <message>
        <source>Plik już istnieje!
Czy chcesz dodać dane do istniejącego pliku?</source>
        <translation>The file already exists!
Do you want to add the data to the existing file?</translation>
    </message>
    <message>
        <source>USUWANIE SŁUPA Z PLIKU!</source>
        <translation>DELETING A TOWER FROM THE FILE!</translation>
    </message>
    <message>
        <source>Czy usunąć wybrany słup z pliku?</source>
        <translation>Delete the selected tower from the file?</translation>
    </message>
    <message>
        <source>Nie podano serii lub typu!</source>
        <translation>No series or type given!</translation>
    </message>
    <message>
        <source>Nie podano napięcia znamionowego!</source>
        <translation>No rated voltage given!</translation>
    </message>
    <message>
        <source>Nie podano przewodów roboczych!</source>
        <translation>No working conductors given!</translation>
    </message>
    <message>
        <source>Seria lub typ słupa zawiera znak, którego nie można zapisać w pliku!</source>
        <translation>The tower series or type contains a character that cannot be written to the file!</translation>
    </message>
    <message>
        <source>Za dużo przewodów!
Słup może mieć najwyżej 64 przewody robocze i odgromowe razem.</source>
        <translation>Too many conductors!
A tower may have at most 64 working conductors and ground wires together.</translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Pliki z danymi słupów</source>
        <translation>Tower data files</translation>
    </message>
    <message>
        <source>Pliki z danymi slupów</source>
        <translation>Tower data files</translation>
    </message>
    <message>
        <source>Projekty VELT</source>
        <translation>VELT projects</translation>
    </message>
    <message>
        <source>Pliki PDF</source>
        <translation>PDF files</translation>
    </message>
    <message>
        <source>Obraz PNG</source>
        <translation>PNG image</translation>
    </message>
    <message>
        <source>Rysunek SVG</source>
        <translation>SVG drawing</translation>
    </message>
    <message>
        <source>Dokument PDF</source>
        <translation>PDF document</translation>
    </message>
    <message>
        <source>Tabela CSV</source>
        <translation>CSV table</translation>
    </message>
    <message>
        <source>Obraz GIF</source>
        <translation>GIF image</translation>
    </message>
    <message>
        <source>Pliki tekstowe</source>
        <translation>Text files</translation>
    </message>
    <message>
        <source>&amp;Nie</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Pominięto %1 z %2 obliczeń serii:
%3</source>
        <translation>%1 of the %2 calculations of the series were left out:
%3</translation>
    </message>
    <message>
        <source>Można podać najwyżej 16 poziomów odniesienia!</source>
        <translation>At most 16 reference levels can be given!</translation>
    </message>
    <message>
        <source>Indukcja magnetyczna w przekroju linii</source>
        <translation>Magnetic flux density in the line cross-section</translation>
    </message>
    <message>
        <source>Strefa %1: brak</source>
        <translation>Zone %1: none</translation>
    </message>
    <message>
        <source>Strefa %1:</source>
        <translation>Zone %1:</translation>
    </message>
    <message>
        <source>od %1 do %2 m</source>
        <translation>from %1 to %2 m</translation>
    </message>
    <message>
        <source>(poza wykresem)</source>
        <translation>(off the graph)</translation>
    </message>
    <message>
        <source>Linia %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>O%1</source>
        <translation>GW%1</translation>
    </message>
    <message>
        <source>E%1</source>
        <translation>SW%1</translation>
    </message>
</context>
<context>
    <name>velt::FieldMapView</name>
    <message>
        <source>Obraz PNG (*.png *.PNG);;Rysunek SVG (*.svg *.SVG);;Dokument PDF (*.pdf *.PDF);;Tabela CSV (*.csv *.CSV)</source>
        <translation>PNG image (*.png *.PNG);;SVG drawing (*.svg *.SVG);;PDF document (*.pdf *.PDF);;CSV table (*.csv *.CSV)</translation>
    </message>
    <message>
        <source>x = %1 m, y = %2 m</source>
        <translation>x = %1 m, y = %2 m</translation>
    </message>
    <message>
        <source>%1: brak wartości</source>
        <translation>%1: no value</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>kV/m</source>
        <translation>kV/m</translation>
    </message>
    <message>
        <source>µT</source>
        <translation>µT</translation>
    </message>
    <message>
        <source>A/m</source>
        <translation>A/m</translation>
    </message>
</context>
<context>
    <name>velt::HelpViewer</name>
    <message>
        <source>Pomoc programu VELT  2009</source>
        <translation>VELT  2009 Help</translation>
    </message>
    <message>
        <source>Tematy pomocy</source>
        <translation>Help topics</translation>
    </message>
</context>
<context>
    <name>velt::SeriesRunner</name>
    <message>
        <source>Przerwij</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Seria obliczeń...</source>
        <translation>Series of calculations...</translation>
    </message>
    <message>
        <source>Seria obliczeń przerwana...</source>
        <translation>Series of calculations stopped...</translation>
    </message>
    <message>
        <source>Seria obliczeń wykonana...</source>
        <translation>Series of calculations completed...</translation>
    </message>
</context>
<context>
    <name>velt::SeriesView</name>
    <message>
        <source>Seria %1.</source>
        <translation>Series %1.</translation>
    </message>
    <message>
        <source>Nie mogę zapisać pliku!
</source>
        <translation>Cannot save the file!
</translation>
    </message>
    <message>
        <source>Tabela CSV (*.csv *.CSV);;Obraz PNG (*.png *.PNG);;Rysunek SVG (*.svg *.SVG);;Dokument PDF (*.pdf *.PDF)</source>
        <translation>CSV table (*.csv *.CSV);;PNG image (*.png *.PNG);;SVG drawing (*.svg *.SVG);;PDF document (*.pdf *.PDF)</translation>
    </message>
</context>
<context>
    <name>velt::TW_LiniaSas</name>
    <message>
        <source>Linia sąsiednia</source>
        <translation>Neighbouring line</translation>
    </message>
    <message>
        <source>Wczytanie danych z pliku</source>
        <translation>Loading data from a file</translation>
    </message>
    <message>
        <source>Opis linii</source>
        <translation>Line description</translation>
    </message>
    <message>
        <source>Seria i typ słupa</source>
        <translation>Tower series and type</translation>
    </message>
    <message>
        <source>Odległość od osi słupa linii głównej [m]
(w lewo ujemna)</source>
        <translation>Distance from the tower axis of the main line [m]
(negative to the left)</translation>
    </message>
    <message>
        <source>Wys. zaw. najniższego przew. roboczego [m]</source>
        <translation>Susp. height of lowest working conductor [m]</translation>
    </message>
    <message>
        <source>Wys. zaw. przewodów odgromowych [m]</source>
        <translation>Susp. height of ground wires [m]</translation>
    </message>
    <message>
        <source>Napięcie linii [kV] (puste: znamionowe)</source>
        <translation>Line voltage [kV] (empty: rated)</translation>
    </message>
    <message>
        <source>Prąd fazowy toru 1 [A]</source>
        <translation>Phase current of circuit 1 [A]</translation>
    </message>
    <message>
        <source>Prąd fazowy toru 2 [A]</source>
        <translation>Phase current of circuit 2 [A]</translation>
    </message>
    <message>
        <source>Przesunięcie kątów fazowych [°]</source>
        <translation>Phase angle shift [°]</translation>
    </message>
    <message>
        <source>Kolejność faz toru 2</source>
        <translation>Phase order of circuit 2</translation>
    </message>
</context>
<context>
    <name>velt::TW_LinieSas</name>
    <message>
        <source>Linie sąsiednie</source>
        <translation>Neighbouring lines</translation>
    </message>
    <message>
        <source>Opis</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Słup</source>
        <translation>Tower</translation>
    </message>
    <message>
        <source>Odległość [m]</source>
        <translation>Distance [m]</translation>
    </message>
    <message>
        <source>Wys. rob. [m]</source>
        <translation>Work. height [m]</translation>
    </message>
    <message>
        <source>Wys. odg. [m]</source>
        <translation>Gr. wire height [m]</translation>
    </message>
    <message>
        <source>U [kV]</source>
        <translation>U [kV]</translation>
    </message>
    <message>
        <source>I [A]</source>
        <translation>I [A]</translation>
    </message>
    <message>
        <source>Kąt [°]</source>
        <translation>Angle [°]</translation>
    </message>
    <message>
        <source>Kolejność faz</source>
        <translation>Phase order</translation>
    </message>
    <message>
        <source>&amp;Dodaj</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Zmień</source>
        <translation>&amp;Change</translation>
    </message>
    <message>
        <source>&amp;Usuń</source>
        <translation>&amp;Remove</translation>
    </message>
</context>
<context>
    <name>velt::TW_LoadS</name>
    <message>
        <source>prądy fazowe</source>
        <translation>Phase currents</translation>
    </message>
    <message>
        <source>napięcia fazowe</source>
        <translation>Phase voltages</translation>
    </message>
</context>
<context>
    <name>velt::TW_Main</name>
    <message>
        <source>Plik już istnieje:
%1
Czy chcesz go zastąpić?</source>
        <translation>The file already exists:
%1
Do you want to replace it?</translation>
    </message>
    <message>
        <source>Pliki już istnieją:
%1
Czy chcesz je zastąpić?</source>
        <translation>The files already exist:
%1
Do you want to replace them?</translation>
    </message>
    <message>
        <source>Nie mogę drukować na drukarce %1!</source>
        <translation>Cannot print on printer %1!</translation>
    </message>
    <message>
        <source>Nie mogę zapisać pliku!
</source>
        <translation>Cannot save the file!
</translation>
    </message>
    <message>
        <source>Język programu zmieni się przy następnym uruchomieniu.</source>
        <translation>The program language will change at the next start.</translation>
    </message>
    <message>
        <source>Zapisać zmiany w projekcie %1?</source>
        <translation>Save the changes to project %1?</translation>
    </message>
</context>
<context>
    <name>velt::TW_Mapa</name>
    <message>
        <source>najwyższy przewód + 5 m</source>
        <translation>highest conductor + 5 m</translation>
    </message>
    <message>
        <source>201 punktów</source>
        <translation>201 points</translation>
    </message>
    <message>
        <source>101 punktów</source>
        <translation>101 points</translation>
    </message>
    <message>
        <source>Mapa pola</source>
        <translation>Field map</translation>
    </message>
    <message>
        <source>&amp;Zasięg mapy pola [m]:</source>
        <translation>Field map &amp;extent [m]:</translation>
    </message>
    <message>
        <source>&amp;Wysokość mapy pola [m]:</source>
        <translation>Field map &amp;height [m]:</translation>
    </message>
    <message>
        <source>Krok siatki &amp;X [m]:</source>
        <translation>Grid step &amp;X [m]:</translation>
    </message>
    <message>
        <source>Krok siatki &amp;Y [m]:</source>
        <translation>Grid s&amp;tep Y [m]:</translation>
    </message>
</context>
<context>
    <name>velt::TW_New</name>
    <message>
        <source>Plik</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Wczytaj</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Zapisz jako</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Usuń słup z pliku</source>
        <translation>Delete tower from file</translation>
    </message>
    <message>
        <source>Testuj</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Zakończ</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Przewody</source>
        <translation>Conductors</translation>
    </message>
    <message>
        <source>Edycja p. rob.</source>
        <translation>Edit working cond.</translation>
    </message>
    <message>
        <source>Edycja p.odg.</source>
        <translation>Edit ground wires</translation>
    </message>
    <message>
        <source>Konwersja</source>
        <translation>Conversion</translation>
    </message>
</context>
<context>
    <name>velt::TW_Poziomy</name>
    <message>
        <source>H [A/m]</source>
        <translation>H [A/m]</translation>
    </message>
    <message>
        <source>B [µT]</source>
        <translation>B [µT]</translation>
    </message>
    <message>
        <source>Poziomy dopuszczalne</source>
        <translation>Exposure limits</translation>
    </message>
    <message>
        <source>Poziomy odniesienia (wartości skuteczne, 50 Hz)</source>
        <translation>Reference levels (RMS values, 50 Hz)</translation>
    </message>
    <message>
        <source>Poziomy własne</source>
        <translation>User-defined levels</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>E [kV/m]</source>
        <translation>E [kV/m]</translation>
    </message>
    <message>
        <source>&amp;Dodaj</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Usuń</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>Pole magnetyczne w wykresach i tabelach</source>
        <translation>Magnetic field in graphs and tables</translation>
    </message>
    <message>
        <source>Poziom własny %1: </source>
        <translation>User-defined level %1: </translation>
    </message>
    <message>
        <source>Poziom własny</source>
        <translation>User-defined level</translation>
    </message>
</context>
<context>
    <name>velt::TW_RozObr</name>
    <message>
        <source>Rozmiar obrazu</source>
        <translation>Image size</translation>
    </message>
    <message>
        <source>&amp;Szerokość:</source>
        <translation>&amp;Width:</translation>
    </message>
    <message>
        <source>&amp;Wysokość:</source>
        <translation>&amp;Height:</translation>
    </message>
</context>
<context>
    <name>velt::TW_Seria</name>
    <message>
        <source>Seria obliczeń</source>
        <translation>Series of calculations</translation>
    </message>
    <message>
        <source>największa wartość pola</source>
        <translation>highest field value</translation>
    </message>
    <message>
        <source>&amp;Zmieniana wielkość:</source>
        <translation>&amp;Varied quantity:</translation>
    </message>
    <message>
        <source>&amp;Od:</source>
        <translation>&amp;From:</translation>
    </message>
    <message>
        <source>&amp;Do:</source>
        <translation>&amp;To:</translation>
    </message>
    <message>
        <source>&amp;Krok:</source>
        <translation>&amp;Step:</translation>
    </message>
    <message>
        <source>&amp;Poziom dopuszczalny:</source>
        <translation>Exposure &amp;limit:</translation>
    </message>
    <message>
        <source>Odl&amp;egłość od osi linii [m]:</source>
        <translation>&amp;Distance from the line axis [m]:</translation>
    </message>
    <message>
        <source>(brak)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Odległość od osi linii musi być liczbą nie mniejszą od 0.0!</source>
        <translation>The distance from the line axis must be a number not less than 0.0!</translation>
    </message>
</context>
</TS>
