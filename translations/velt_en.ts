<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pl">
<context>
    <name>CatalogueTowerDialog</name>
    <message>
        <source>Wybór słupa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Słupy zapisane w pliku:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TW_About</name>
    <message>
        <source>O programie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TW_EndAsk</name>
    <message>
        <source>Zakończyć program?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zakończenie programu?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color: rgb(255, 0, 0);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Czy chcesz zapisać wyniki obliczeń?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color: rgb(0, 128, 0);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TW_Kom</name>
    <message>
        <source>Komentarz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podaj komentarz do wykresu:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TW_LoadS</name>
    <message>
        <source>Wczytanie słupa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seria i typ słupa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typ słupa używany przy obliczeniach pola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wczytanie danych z pliku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wys. zaw. najniższego przew. roboczego</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podaj wysokość w metrach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wskaźnik poprawności podanych wysokości zawieszenia przewodów.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wys. zaw. przewodów odgromowych</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Badane pole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wybór rodzaju pola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elektryczne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnetyczne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obliczenia </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wybór sposobu obliczeń</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Na przewodach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wzdłuż zadanych prostych</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obliczenia na prostych</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wybór prostej do obliczeń</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Na stałej wysokości (y)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wzdłuż prostej pionowej (x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podaj odległość w metrach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obliczenia zakłóceń</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zakł. na przewodach?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dodatkowe obliczenia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budynek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dane dla budynku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edycja paramatrów domku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Przewody ekranujące</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dane dla przewodów ekranujących</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zmiana faz!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zmiana kolejności faz dla linii dwutorowej</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Napięcia fazowe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nowy słup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Przesunięcie słupa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edycja przesunięcia osi słupa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#Panel2 { background: white; }</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rozmieszczenie przewodów roboczych i odgromowych na wczytanym słupie</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TW_Main</name>
    <message>
        <source>VELT  2009</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nowy słup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wczytanie słupa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapisanie wyników</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wydruk wyników</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wykonanie obliczeń</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wyjście z programu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Słup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wykres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obliczenia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Okno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapisz wyniki</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drukuj wyniki</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zakończ program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otwórz projekt...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapisz projekt...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapisz projekt jako...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eksportuj wariant...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wczytaj słup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapisz słup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wykonaj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linie sąsiednie...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dokładne natężenie na powierzchni wiązek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poziomy dopuszczalne...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mapa pola...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seria obliczeń...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kaskada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poziomo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pionowo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Informacje o programie</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TW_NPOdg</name>
    <message>
        <source>Dane przewodów odgromowych</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odległość</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wysokość</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ilość przewodów</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Średnica przewodów</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podaj średnicę w metrach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ilość prz. w wiązce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odległość p. w wiąz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dodaj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skasuj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TW_New</name>
    <message>
        <source>Nowy słup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dane z pliku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plik z danymi słupów</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wczytanie nowych danych z pliku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typy zdefiniowane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lista słupów w pliku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seria słupa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typ słupa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Napięcie znamionowe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Napięcie znamionowe linii</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ilość przewodów rob.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ilość przewodów roboczych</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edycja przewodów roboczych</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ilość przewodów odg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ilość przewodów odgromowych</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edycja przewodów odgromowych</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wys. zaw. przew. rob.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wysokość zawieszenia przewodów roboczych</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wys. zaw. przew. odg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wysokośc zawieszenia przewodów odgromowych</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wskaźnik prawidłowej skali wykresu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#Panel1 { background: white; }</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rozmieszczenie przewodów roboczych i odgromowych na wczytanym słupie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasek zaawansowania obliczeń</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapisanie danych słupa do aktualnego pliku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapisz jako</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapisanie danych słupa do podanego pliku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testuj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zapisanie danych słupa do bufora tymczasowego</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zakończ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zakończenie edycji słupa.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TW_NewPrzew</name>
    <message>
        <source>Nowy przewód</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odległość od osi linii [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wysokość zawieszenia [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TW_PEkr</name>
    <message>
        <source>Przewodu ekranujące</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odległość</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wysokość</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ilość przewodów</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Średnica przewodów</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podaj średnicę w metrach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dodaj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skasuj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TW_PFaz</name>
    <message>
        <source>Maksymalny prąd fazowy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Podaj maksymalną wartość prądu fazowego </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pierwszy tor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[A]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drugi tor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TW_PRob</name>
    <message>
        <source>Dane przewodów roboczych</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odległość</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wysokość</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ilość przewodów</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Średnica przewodów</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podaj średnicę w metrach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ilość prz. w wiązce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odległość p. w wiąz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dodaj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skasuj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TW_PrzesSlup</name>
    <message>
        <source>Przesunięcie słupa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podaj przesunięcie słupa [m]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TW_Save</name>
    <message>
        <source>Zapis wariantu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Czy chcesz zapisać aktualny wariant?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color: rgb(0, 128, 0);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wyjdź</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TW_Splash</name>
    <message>
        <source>VELT 2009</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TW_UWar</name>
    <message>
        <source>Ostrzeżenie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Czy na pewno usunąć bieżący wariant?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color: rgb(255, 0, 0);</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nie</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TW_WspDom</name>
    <message>
        <source>Domek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podaj współrzędne domku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szczyt frontu [X]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Szczyt frontu [Y]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koniec dachu [X]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koniec dachu [Y]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TW_ZFaz</name>
    <message>
        <source>Zmiana faz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Układ faz linii </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RST - RST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RST - TRS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TW_ZObl</name>
    <message>
        <source>Zakres obliczeń</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podaj zakres obliczeń [m]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TW_ZRys</name>
    <message>
        <source>Zakres rysunku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podaj zakres rysunku [m]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TW_Zakl</name>
    <message>
        <source>Zakłócenia na przewodach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odległośc od osi linii [m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Częstotliwość [MHz]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velt::TW_Main</name>
    <message>
        <source>Plik już istnieje:
%1
Czy chcesz go zastąpić?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pliki już istnieją:
%1
Czy chcesz je zastąpić?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velt::TW_Poziomy</name>
    <message>
        <source>H [A/m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B [µT]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poziomy dopuszczalne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poziomy odniesienia (wartości skuteczne, 50 Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poziomy własne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E [kV/m]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dodaj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Usuń</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pole magnetyczne w wykresach i tabelach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poziom własny %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poziom własny</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
