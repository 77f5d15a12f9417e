// The program's help document, in Polish: what the main window offers and how to use it.
#include "Resources.h"

namespace zyfo {

const std::string &helpDocument()
{
    static const std::string document = R"(<html><head><meta charset="utf-8"></head><body>
<h2><a name="context-100"></a>VENTRO ZYFO – pomoc</h2>
<p>Program pokazuje pomiary zapisane przez rejestratory i mierniki VENTRO w plikach
<b>.zyd</b>: temperaturę, ciśnienie, wilgotność, punkt rosy, promieniowanie, wiatr, opad
i stany wejść binarnych. Każdy kanał pliku można narysować na wspólnym wykresie; każda
jednostka ma własną oś pomiarów.</p>

<h3>Otwieranie pliku</h3>
<p>Polecenie <i>Plik → Otwórz plik</i> wczytuje plik pomiarów. Lista po lewej stronie paska
zawiera wszystkie kanały pliku; wybrany kanał można włączyć na wykresie polem
<i>Wykres</i>, włączyć siatkę jego osi polem <i>Siatka</i> i zmienić jego kolor przyciskiem
<i>Kolor</i>.</p>

<h3>Oś pomiarów i oś czasu</h3>
<p>Pola <i>Od</i> i <i>Do</i> grupy <i>Oś pomiarów</i> ustalają zakres osi jednostki
wybranego kanału; wartość zatwierdza się klawiszem Enter lub przejściem do innego pola,
strzałki zmieniają ją o jeden. Pola daty i godziny grupy <i>Oś czasu</i> wybierają
przedział czasu wykresu; program dopasowuje je do czasów zapisanych pomiarów.</p>

<h3>Ustawienia</h3>
<ul>
<li><i>Format daty</i> – czy opisy osi czasu pokazują datę, godzinę, w jednej czy w dwóch
liniach.</li>
<li><i>Wykres</i> – grubość linii, kolory tła i tekstu, liczba rysowanych punktów oraz
średnie wartości pomiarów w legendzie.</li>
<li><i>Uaktualnianie pomiarów</i> – ponowne czytanie pliku co podaną liczbę sekund, gdy
rejestrator wciąż dopisuje pomiary, oraz pokazywanie tylko ostatnich pomiarów.</li>
</ul>

<h3>Raport i wydruk</h3>
<p><i>Plik → Zapisz jako...</i> zapisuje wszystkie pomiary pliku jako tekst z kolumnami
albo listę rozdzielaną przecinkami, z komentarzem lub bez. <i>Plik → Drukuj</i> drukuje
wykres na jednej stronie, pod nagłówkiem z nazwą pliku pomiarów.</p>

<p>Ustawienia programu są zapamiętywane po jego zamknięciu.</p>
</body></html>)";
    return document;
}

} // namespace zyfo
