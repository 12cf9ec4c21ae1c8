#include "ui/fAide/regles_texte.h"

#include "engine/options.h"

namespace {

const char* const francais = R"(
<h1>Le Tarot selon Belvane</h1>
<p>Vous jouez au Sud contre trois joueurs de l'ordinateur, à l'Est, au Nord et à l'Ouest. Chaque donne
oppose un <b>preneur</b>, seul, aux trois autres joueurs qui forment la <b>défense</b>.</p>

<h2><a name="jeu"></a>Le jeu de cartes et les bouts</h2>
<p>Le jeu compte 78 cartes&nbsp;: quatre couleurs de 14 cartes (pique, cœur, trèfle, carreau&nbsp;: Roi, Dame,
Cavalier, Valet, puis du 10 à l'As), 21 atouts numérotés de 1 à 21, et l'Excuse.</p>
<p>Trois cartes sont les <b>bouts</b> (ou oudlers)&nbsp;: le <b>Petit</b> (l'atout 1), le <b>21</b> et
l'<b>Excuse</b>. Plus le preneur a de bouts en fin de donne, moins il lui faut de points.</p>
<table border="1" cellpadding="3">
<tr><th>Carte</th><th>Points</th></tr>
<tr><td>Bout (Petit, 21, Excuse) ou Roi</td><td>4,5</td></tr>
<tr><td>Dame</td><td>3,5</td></tr>
<tr><td>Cavalier</td><td>2,5</td></tr>
<tr><td>Valet</td><td>1,5</td></tr>
<tr><td>Toute autre carte</td><td>0,5</td></tr>
</table>
<p>Le jeu entier vaut 91 points.</p>

<h2><a name="donne"></a>La donne</h2>
<p>Chaque joueur reçoit 18 cartes&nbsp;; six cartes forment le <b>chien</b>. Une donne où un joueur aurait le
Petit pour seul atout (le «&nbsp;Petit sec&nbsp;», l'Excuse comptant ici comme un atout) est refaite
automatiquement. Le joueur qui parle en premier change à chaque nouvelle donne.</p>

<h2><a name="encheres"></a>Les enchères et les contrats</h2>
<p>Chaque joueur parle une seule fois, à tour de rôle&nbsp;: il passe ou annonce un contrat plus fort que le
meilleur annoncé jusque-là. Le plus fort contrat fait du joueur qui l'a annoncé le preneur. Si les quatre
joueurs passent, une nouvelle donne commence.</p>
<table border="1" cellpadding="3">
<tr><th>Contrat</th><th>Le chien</th><th>Multiplicateur</th></tr>
<tr><td>Prise</td><td>montré à tous, pris par le preneur qui fait son écart</td><td>× 1</td></tr>
<tr><td>Garde</td><td>montré à tous, pris par le preneur qui fait son écart</td><td>× 2</td></tr>
<tr><td>Garde Sans</td><td>reste caché et compte pour le preneur</td><td>× 4</td></tr>
<tr><td>Garde Contre</td><td>reste caché et compte pour la défense</td><td>× 6</td></tr>
</table>
<p>Le bouton <b>Conseil</b> de la barre des enchères vous indique le contrat que votre main permet.</p>

<h2><a name="chien"></a>Le chien et l'écart</h2>
<p>En Prise et en Garde, le chien est retourné pour que tous le voient, puis le preneur le prend dans sa main
et met de côté six cartes&nbsp;: c'est l'<b>écart</b>. On n'écarte <b>ni atout, ni l'Excuse, ni un Roi</b>.
Les points de l'écart comptent pour le preneur. Quand vous êtes le preneur, cliquez sur six cartes (elles se
soulèvent), puis sur «&nbsp;Accepter cet écart&nbsp;».</p>
<p>En Garde Sans, le chien n'est vu de personne et ses points, bouts compris, vont au preneur. En Garde Contre,
il n'est vu de personne et ses points et bouts vont à la défense.</p>

<h2><a name="poignee"></a>La poignée</h2>
<p>Avant de jouer votre première carte, si vous avez au moins 10 atouts (l'Excuse comptant comme un atout),
Belvane vous propose d'annoncer une <b>poignée</b>&nbsp;: simple avec 10 atouts montrés, double avec 13, triple
avec 15. L'Excuse ne peut compléter la poignée que s'il vous manque un atout pour atteindre le nombre. La prime
est de 20, 30 ou 40 points&nbsp;; elle n'est pas multipliée et va au camp qui gagne la donne, quel que soit celui
qui l'a montrée. Les joueurs de l'ordinateur n'annoncent pas de poignée.</p>

<h2><a name="jouer"></a>Le jeu de la carte&nbsp;: fournir, couper, monter</h2>
<p>Le joueur qui a parlé le premier entame le premier pli&nbsp;; ensuite, celui qui gagne un pli entame le
suivant. On joue dans l'ordre Sud, Est, Nord, Ouest.</p>
<ul>
<li>Il faut <b>fournir</b> à la couleur demandée si on en a.</li>
<li>Si on n'en a pas, il faut <b>couper</b>, c'est-à-dire jouer un atout.</li>
<li>Quand un atout est déjà dans le pli, il faut <b>monter</b> (surcouper)&nbsp;: jouer un atout plus fort si on en
a un. Sinon, on joue quand même un atout plus faible.</li>
<li>Quand on n'a ni la couleur demandée ni atout, on joue n'importe quelle carte.</li>
<li>Quand l'entame est un atout, les mêmes obligations valent&nbsp;: fournir atout et monter si possible.</li>
</ul>
<p>Le pli revient au plus fort atout, ou, sans atout, à la plus forte carte de la couleur demandée.</p>

<h2><a name="excuse"></a>L'Excuse</h2>
<p>L'Excuse se joue à tout moment, même quand on pourrait fournir ou couper. Elle ne gagne jamais le pli&nbsp;: son
camp la garde et donne à la place une carte d'un demi-point au camp qui a gagné le pli. Si elle est jouée en
entame, c'est la carte suivante qui fixe la couleur demandée. Jouée au <b>dernier pli</b>, elle va au camp qui
gagne ce pli.</p>

<h2><a name="petit"></a>Le Petit au bout</h2>
<p>Si le Petit tombe dans le dernier pli, le camp qui gagne ce pli reçoit une prime de 10 points, multipliée par
le contrat, que le contrat soit réussi ou non.</p>

<h2><a name="score"></a>Le décompte et le score</h2>
<p>Après le dernier pli, on compte les points du preneur (écart ou chien compris selon le contrat), arrondis au
point entier le plus proche (une moitié va au nombre pair). Il lui faut&nbsp;:</p>
<table border="1" cellpadding="3">
<tr><th>Bouts du preneur</th><th>0</th><th>1</th><th>2</th><th>3</th></tr>
<tr><td>Points à faire</td><td>56</td><td>51</td><td>41</td><td>36</td></tr>
</table>
<p>Le score se calcule ainsi&nbsp;: l'écart entre les points faits et les points à faire, plus 25 si le contrat
est réussi (faire tout juste le compte suffit), ou moins 25 s'il est chuté&nbsp;; plus ou moins 10 pour le Petit
au bout&nbsp;; le tout multiplié par le contrat&nbsp;; enfin la prime de poignée. Chaque défenseur paie ce montant au
preneur, ou le reçoit de lui&nbsp;: le preneur gagne ou perd trois fois ce montant.</p>
<p><b>Exemple.</b> Le preneur fait une Garde avec deux bouts&nbsp;: il lui faut 41 points. Il en fait 45, mais la
défense gagne le Petit au dernier pli. 45 − 41 = 4&nbsp;; 4 + 25 = 29&nbsp;; 29 − 10 = 19&nbsp;; × 2 pour la
Garde = 38. Chaque défenseur perd 38 points et le preneur en gagne 114.</p>
<p>Les scores globaux des quatre places s'additionnent de donne en donne et sont gardés d'une partie à l'autre
(menu Voir/Cacher, F5&nbsp;; F4 les remet à zéro). Une donne rejouée ou redémarrée ne compte pas.</p>

<h2><a name="niveaux"></a>Les niveaux et les options</h2>
<p><b>Niveau</b>&nbsp;: Débutant, Amateur, Bon et Pro règlent la force des joueurs de l'ordinateur, qui choisissent
leurs cartes par une liste de règles&nbsp;; les niveaux faibles en éteignent une partie. Avec <b>Adaptatif</b>,
la plupart des règles ne s'appliquent qu'avec une probabilité qui s'ajuste après chaque donne. Le niveau ne
change qu'entre deux donnes.</p>
<p><b>Force de votre main</b>&nbsp;: choisit la main que vous recevez (faible, normale, ou assez forte pour une
Prise, une Garde…). <b>Vitesses</b>&nbsp;: la pause avant chaque carte de l'ordinateur et l'attente après chaque
pli (ou un clic obligatoire).</p>
<p><b>Voir/Cacher</b>&nbsp;: les scores globaux, le conseil d'enchère, les points de la donne en cours, et les
<b>déductions</b>&nbsp;: le plus fort atout encore en jeu, les atouts et les cartes de chaque couleur encore
dehors, et les honneurs déjà tombés.</p>
<p>Les options de la table&nbsp;:</p>
<ul>
<li><b>Montrer à qui est le tour</b>&nbsp;: le nom de chaque place près de sa carte, celui qui doit jouer ou
parler en surbrillance, la carte qui gagne le pli marquée.</li>
<li><b>Assombrir les cartes injouables</b>&nbsp;: à votre tour, à l'écart et dans la poignée, les cartes que vous
ne pouvez pas choisir sont grisées&nbsp;; un clic sur l'une d'elles dit pourquoi dans la barre d'information.</li>
<li><b>Proposer un conseil de carte</b>&nbsp;: la commande <b>Conseil</b> (touche H, menu ou barre d'outils)
soulève la carte que les règles du niveau Pro joueraient à votre place, d'après ce que vous savez, et nomme la
règle qui l'a choisie.</li>
<li><b>Jeu au clavier</b>&nbsp;: Gauche et Droite (Début, Fin) déplacent le cadre sur vos cartes, Entrée joue la
carte ou, à l'écart et dans la poignée, la soulève ou la repose&nbsp;; les chiffres 1 à 5 choisissent une enchère
(1 Passe … 5 Garde Contre)&nbsp;; la barre d'espace continue.</li>
<li><b>Cartes animées</b>&nbsp;: les cartes glissent vers la table, puis vers le gagnant du pli, à la vitesse du
jeu de la carte.</li>
<li><b>Confirmer l'abandon d'une donne</b>&nbsp;: une nouvelle donne en cours de jeu demande confirmation.</li>
<li><b>L'aide montre les règles du jeu</b>&nbsp;: F1 ouvre cette fenêtre.</li>
</ul>

<h2><a name="officielles"></a>Règles Belvane et règles officielles</h2>
<p>Le menu <b>Options &gt; Règles</b> choisit entre les <b>règles Belvane</b>, décrites plus haut et en vigueur
par défaut, et les <b>règles officielles</b> de la Fédération, qui ajoutent deux choses. Chacune a aussi son
interrupteur dans le même menu&nbsp;; le choix vaut à partir de la donne suivante.</p>
<ul>
<li><b>Le chelem</b>&nbsp;: avant la première carte, le preneur peut annoncer qu'il fera tous les plis (un bouton
vous le propose quand vous êtes preneur)&nbsp;; il entame alors le premier pli et garde l'Excuse pour le dernier.
Chelem annoncé et réussi&nbsp;: 400 points&nbsp;; annoncé et manqué&nbsp;: 200 points de pénalité&nbsp;; réussi
sans annonce&nbsp;: 200 points. Le chelem de la défense compte de même pour elle. Cette prime, payée par chaque
défenseur, s'ajoute au score hors du multiplicateur du contrat. Avec le chelem, l'Excuse entamée au dernier pli par
le camp qui a fait les 17 autres remporte ce pli, et le Petit mené au 17e pli compte alors au bout. Les joueurs de
l'ordinateur annoncent quand leur main fait tous les plis quoi que tiennent les autres (une suite d'atouts depuis
le 21 au moins aussi longue que les atouts qui leur manquent, et des couleurs en suites depuis le Roi)&nbsp;; le
niveau Expert annonce quand presque toutes les donnes qu'il tire au hasard, d'après ce qu'il voit, se gagnent en
tous les plis.</li>
<li><b>Les poignées de tous les joueurs</b>&nbsp;: les joueurs de l'ordinateur déclarent aussi leur poignée à leur
première carte (la plus grande que leur main permet&nbsp;: simple à 10 atouts, double à 13, triple à 15), en
montrant leurs plus petits atouts, l'Excuse seulement s'il n'y a pas d'autre atout pour atteindre le nombre. Les
atouts montrés s'affichent sur la table jusqu'à la fin du premier pli et tous les joueurs en tiennent compte. Chaque
poignée vaut sa prime (20, 30, 40) au camp qui gagne la donne.</li>
</ul>
)";

const char* const anglais = R"(
<h1>French Tarot as Belvane plays it</h1>
<p>You sit South against three computer players, East, North and West. In each deal one player, the
<b>taker</b>, plays alone against the other three, who form the <b>defence</b>.</p>

<h2><a name="jeu"></a>The pack and the oudlers</h2>
<p>The pack holds 78 cards: four suits of 14 cards (spades, hearts, clubs, diamonds: King, Queen, Knight, Jack,
then 10 down to Ace), 21 trumps numbered 1 to 21, and the Fool (the Excuse).</p>
<p>Three cards are the <b>oudlers</b>: the <b>Petit</b> (trump 1), the <b>21</b> and the <b>Fool</b>. The more
oudlers the taker holds at the end, the fewer points he needs.</p>
<table border="1" cellpadding="3">
<tr><th>Card</th><th>Points</th></tr>
<tr><td>Oudler (Petit, 21, Fool) or King</td><td>4.5</td></tr>
<tr><td>Queen</td><td>3.5</td></tr>
<tr><td>Knight</td><td>2.5</td></tr>
<tr><td>Jack</td><td>1.5</td></tr>
<tr><td>Any other card</td><td>0.5</td></tr>
</table>
<p>The whole pack is worth 91 points.</p>

<h2><a name="donne"></a>The deal</h2>
<p>Each player gets 18 cards; six cards form the <b>dog</b>. A deal in which a player would hold the Petit as his
only trump (a "bare Petit", the Fool counting as a trump here) is dealt again automatically. The first player
to speak moves on by one seat with every new deal.</p>

<h2><a name="encheres"></a>The auction and the contracts</h2>
<p>Each player speaks once, in turn: he passes or bids a contract higher than the best bid so far. The highest
bid makes its bidder the taker. When all four pass, a new deal starts.</p>
<table border="1" cellpadding="3">
<tr><th>Contract</th><th>The dog</th><th>Multiplier</th></tr>
<tr><td>Take (Prise)</td><td>shown to all, taken by the taker who then discards</td><td>× 1</td></tr>
<tr><td>Guard (Garde)</td><td>shown to all, taken by the taker who then discards</td><td>× 2</td></tr>
<tr><td>Guard Without (Garde Sans)</td><td>stays hidden and counts for the taker</td><td>× 4</td></tr>
<tr><td>Guard Against (Garde Contre)</td><td>stays hidden and counts for the defence</td><td>× 6</td></tr>
</table>
<p>The <b>Advice</b> button of the bidding bar tells you which contract your hand allows.</p>

<h2><a name="chien"></a>The dog and the discard</h2>
<p>Under Take and Guard the dog is turned face up for all to see; the taker adds it to his hand and sets six
cards aside: the <b>discard</b>. You may discard <b>no trump, not the Fool and no King</b>. The discard's points
count for the taker. When you are the taker, click six cards (they rise), then "Confirm discard".</p>
<p>Under Guard Without nobody sees the dog and its points, oudlers included, go to the taker. Under Guard
Against nobody sees it and its points and oudlers go to the defence.</p>

<h2><a name="poignee"></a>The handful (poignée)</h2>
<p>Before your first card, if you hold at least 10 trumps (the Fool counting as one), Belvane offers you to show a
<b>handful</b>: single with 10 trumps shown, double with 13, triple with 15. The Fool may complete a handful only
when you are one trump short of the number. The bonus is 20, 30 or 40 points; it is never multiplied and goes to
the side that wins the deal, whoever showed it. The computer players do not show handfuls.</p>

<h2><a name="jouer"></a>Playing the cards: following, trumping, overtrumping</h2>
<p>The first player to have spoken leads the first trick; afterwards the winner of each trick leads the next.
Play goes South, East, North, West.</p>
<ul>
<li>You must <b>follow</b> the suit led when you can.</li>
<li>When you cannot, you must <b>trump</b>: play a trump.</li>
<li>When a trump is already in the trick you must <b>overtrump</b>, that is play a higher trump when you have one;
otherwise you still play a lower trump.</li>
<li>With neither the suit led nor a trump, you may play any card.</li>
<li>When a trump is led the same duties apply: play a trump, a higher one if you can.</li>
</ul>
<p>The trick goes to the highest trump or, without one, to the highest card of the suit led.</p>

<h2><a name="excuse"></a>The Fool</h2>
<p>The Fool may be played at any time, even when you could follow or trump. It never wins the trick: its side
keeps it and gives the trick's winners a half-point card in exchange. When it is led, the next card sets the suit
to follow. Played in the <b>last trick</b>, it goes to the side that wins that trick.</p>

<h2><a name="petit"></a>Petit au bout</h2>
<p>When the Petit falls in the last trick, the side that wins that trick earns a bonus of 10 points, multiplied by
the contract, whether the contract is made or not.</p>

<h2><a name="score"></a>Counting and scoring</h2>
<p>After the last trick the taker's points are counted (with the discard or the dog as the contract says) and
rounded to the nearest whole point (a half goes to the even number). He needs:</p>
<table border="1" cellpadding="3">
<tr><th>Taker's oudlers</th><th>0</th><th>1</th><th>2</th><th>3</th></tr>
<tr><td>Points needed</td><td>56</td><td>51</td><td>41</td><td>36</td></tr>
</table>
<p>The score is: the difference between the points made and the points needed, plus 25 when the contract is made
(making exactly the number is enough), minus 25 when it fails; plus or minus 10 for the Petit au bout; all of it
multiplied by the contract; then the handful bonus. Each defender pays that amount to the taker, or receives it
from him: the taker wins or loses three times the amount.</p>
<p><b>Example.</b> The taker plays a Guard with two oudlers: he needs 41 points. He makes 45, but the defence wins
the Petit in the last trick. 45 − 41 = 4; 4 + 25 = 29; 29 − 10 = 19; × 2 for the Guard = 38. Each defender loses
38 points and the taker wins 114.</p>
<p>The four seats' global scores add up from deal to deal and are kept between games (Show/Hide menu, F5; F4 sets
them back to zero). A replayed or restarted deal does not count.</p>

<h2><a name="niveaux"></a>Levels and options</h2>
<p><b>Level</b>: Beginner, Medium, Advanced and Pro set the strength of the computer players, who choose their
cards through a list of rules; the lower levels switch some of them off. With <b>Adaptative</b> most rules apply
only with a probability tuned after every deal. The level changes only between deals.</p>
<p><b>Strength of your hand</b> chooses the hand you are dealt (weak, normal, or strong enough for a Take, a
Guard…). <b>Speeds</b> set the pause before each computer card and the wait after each trick (or a mandatory
click).</p>
<p><b>Show/Hide</b>: the global scores, the bid advice, the points of the deal in progress, and the
<b>deductions</b>: the highest trump still in play, the trumps and the cards of each suit still outside your hand,
and the honours already fallen.</p>
<p>The table's options:</p>
<ul>
<li><b>Show whose turn it is</b>: each seat's name beside its card, the seat to play or to bid lit, the card
winning the trick marked.</li>
<li><b>Dim the unplayable cards</b>: at your turn, on the discard screen and in the handful window the cards you
cannot choose are greyed; a click on one says why in the information bar.</li>
<li><b>Offer a card hint</b>: the <b>Hint</b> command (key H, menu or tool bar) lifts the card the Pro level's
rules would play in your place, from what you know, and names the rule that chose it.</li>
<li><b>Keyboard play</b>: Left and Right (Home, End) move the frame over your cards, Enter plays the card or, on the
discard screen and in the handful window, lifts it or puts it back; digits 1 to 5 choose a bid (1 Pass … 5 Guard
Against); the space bar goes on.</li>
<li><b>Card motion</b>: cards glide to the table, then to the trick's winner, at the card-play speed.</li>
<li><b>Confirm abandoning a deal</b>: a new deal during play asks first.</li>
<li><b>Help shows the rules of the game</b>: F1 opens this window.</li>
</ul>

<h2><a name="officielles"></a>Belvane rules and official rules</h2>
<p>The <b>Options &gt; Rules</b> menu chooses between the <b>Belvane rules</b>, described above and in force by
default, and the <b>official rules</b> of the Federation, which add two things. Each has its own switch in the same
menu as well; the choice holds from the next deal.</p>
<ul>
<li><b>The chelem</b> (slam): before the first card the taker may announce that he will take every trick (a button
offers it when you are the taker); he then leads the first trick and keeps the Fool for the last. Announced and
made: 400 points; announced and failed: a 200-point penalty; made without announcement: 200 points. The defence's
chelem counts likewise for the defence. This premium, paid by each defender, is added to the score outside the
contract's multiplier. With the chelem, the Fool led to the last trick by the side that took the 17 others wins that
trick, and the Petit led to the 17th trick then counts as petit au bout. The computer players announce when their
hand takes every trick whatever the others hold (a run of trumps from the 21 at least as long as the trumps they
lack, and suits in runs from the King); the Expert level announces when nearly every deal it samples from what it
sees is won in every trick.</li>
<li><b>Handfuls by every player</b>: the computer players declare their handful too, at their first card (the
largest their hand allows: single with 10 trumps, double with 13, triple with 15), showing their lowest trumps, the
Fool only when no other trump can reach the count. The trumps shown stay on the table until the first trick ends
and every player takes them into account. Each handful's premium (20, 30, 40) goes to the side that wins the
deal.</li>
</ul>
)";

const std::vector<SectionAide> sectionsFr = {
    {"jeu", "Le jeu de cartes et les bouts"}, {"donne", "La donne"},
    {"encheres", "Les enchères et les contrats"}, {"chien", "Le chien et l'écart"},
    {"poignee", "La poignée"}, {"jouer", "Fournir, couper, monter"},
    {"excuse", "L'Excuse"}, {"petit", "Le Petit au bout"},
    {"score", "Le décompte et le score"}, {"niveaux", "Les niveaux et les options"},
    {"officielles", "Règles Belvane et règles officielles"},
};

const std::vector<SectionAide> sectionsEn = {
    {"jeu", "The pack and the oudlers"}, {"donne", "The deal"},
    {"encheres", "The auction and the contracts"}, {"chien", "The dog and the discard"},
    {"poignee", "The handful"}, {"jouer", "Following, trumping, overtrumping"},
    {"excuse", "The Fool"}, {"petit", "Petit au bout"},
    {"score", "Counting and scoring"}, {"niveaux", "Levels and options"},
    {"officielles", "Belvane rules and official rules"},
};

}  // namespace

const char* texteRegles(int langue) { return langue == ANGLAIS ? anglais : francais; }

const std::vector<SectionAide>& sectionsRegles(int langue) { return langue == ANGLAIS ? sectionsEn : sectionsFr; }
