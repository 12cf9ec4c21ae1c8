// One sentence per card-play rule, in French and in English: what the hint
// tells the player when a rule chose his card.
#include <array>
#include <string>

#include "engine/conseil.h"
#include "engine/options.h"

namespace {

struct Description {
    const char* fr;
    const char* en;
};

const std::array<Description, 74> descriptions = {{
    {"l'Excuse se joue au 17e pli, avant le dernier, où elle serait perdue.",
     "the Fool is played at trick 17, before the last trick where it would be lost."},
    {"le preneur garde l'Excuse une fois le Petit tombé dans ce pli.",
     "the taker keeps the Fool once the Petit has fallen in this trick."},
    {"on n'entame pas avec le Petit.", "the Petit is not led."},
    {"un défenseur qui tient le Petit n'entame pas atout.", "a defender holding the Petit does not lead trumps."},
    {"contre une Garde Sans ou une Garde Contre, la défense encaisse ses Rois.",
     "against a Guard Without or a Guard Against, the defence cashes its Kings."},
    {"pas d'Excuse quand le preneur joue encore après vous.",
     "no Fool while the taker still plays after you."},
    {"le preneur capture le Petit avec son atout maître.", "the taker captures the Petit with his master trump."},
    {"entamer atout quand seul le Petit reste dehors.", "lead a trump when only the Petit is left outside."},
    {"pas d'entame atout contre la poignée du preneur.", "no trump lead against the taker's handful."},
    {"le preneur tire les atouts avec ses atouts maîtres.", "the taker draws trumps with his master trumps."},
    {"la défense n'a plus d'atout : le preneur déroule ses couleurs.",
     "the defence has no trumps left: the taker plays out his side suits."},
    {"un défenseur ne gaspille pas un honneur maître seul sur le pli de son partenaire.",
     "a defender does not waste a lone master honour on a partner's trick."},
    {"battre le preneur avec le plus gros honneur.", "beat the taker with the biggest honour."},
    {"couper haut devant un preneur qui n'a plus de la couleur.",
     "trump high in front of a taker who is void in the suit."},
    {"capturer l'honneur du preneur.", "capture the taker's honour."},
    {"garder ses honneurs dans la dernière couleur pas encore jouée.",
     "keep the honours of the last suit not yet played."},
    {"le preneur capture le Valet ou le Cavalier d'un défenseur.",
     "the taker captures a defender's Jack or Knight."},
    {"répondre aux premières entames du preneur.", "answer the taker's first suit leads."},
    {"la Dame sur la petite entame d'un partenaire dans une couleur neuve.",
     "the Queen on a partner's low lead of a new suit."},
    {"le Roi sur l'entame d'un partenaire dans une couleur neuve.",
     "the King on a partner's lead of a new suit."},
    {"pas de Dame seule sur la haute entame d'un partenaire.", "no lone Queen on a partner's high lead."},
    {"le preneur fort chasse le Petit.", "the strong taker hunts the Petit."},
    {"sacrifier le Petit sous l'entame atout du preneur.", "sacrifice the Petit under the taker's trump lead."},
    {"sans atout, donner des points quand la défense gagne le pli, sinon garder.",
     "with no trumps left, give points when the defence wins the trick, else keep them."},
    {"avec tous les atouts restants, garder le Petit pour la fin.",
     "holding all the trumps left, keep the Petit to the end."},
    {"la défense n'a plus d'atout : le preneur garde le Petit.",
     "the defence has no trumps left: the taker keeps the Petit."},
    {"sauver le Petit une fois que le preneur a joué.", "save the Petit once the taker has played."},
    {"un défenseur entame l'atout maître pour chasser le Petit.",
     "a defender leads the master trump to hunt the Petit."},
    {"glisser le Petit sous l'atout maître d'un partenaire.", "throw the Petit under a partner's master trump."},
    {"avec le Petit et peu d'atouts, couper haut.", "with the Petit and few trumps, trump high."},
    {"le preneur coupe une couleur neuve avec le Petit.", "the taker ruffs a new suit with the Petit."},
    {"un défenseur qui tient le Petit joue un gros atout.", "a defender holding the Petit plays a high trump."},
    {"pas d'Excuse juste avant le preneur.", "no Fool right before the taker."},
    {"répondre à l'entame de l'Excuse par le preneur.", "answer the taker's lead of the Fool."},
    {"on n'entame pas l'Excuse devant le preneur.", "the Fool is not led in front of the taker."},
    {"le preneur joue l'Excuse sur une entame atout.", "the taker plays the Fool on a trump lead."},
    {"l'Excuse sur un pli perdu.", "the Fool on a lost trick."},
    {"entamer contre un preneur qui n'a plus d'atout.", "lead against a taker with no trumps left."},
    {"entamer atout après que le preneur a coupé avec le Petit.",
     "lead trumps after the taker ruffed with the Petit."},
    {"poursuivre le signal à l'atout d'un partenaire.", "follow up a partner's trump signal."},
    {"ne pas rejouer la dernière couleur du preneur.", "do not lead back the taker's last suit."},
    {"le preneur fort entame son sixième atout.", "the strong taker leads his sixth trump."},
    {"première entame du preneur : un singleton.", "the taker's first lead: a singleton."},
    {"le preneur coupe haut quand une surcoupe le menace.", "the taker trumps high when an overtrump threatens."},
    {"ne pas entamer une Dame tant que le Roi est dehors.", "do not lead a Queen while the King is out."},
    {"ne pas entamer un Cavalier tant que la Dame est dehors.", "do not lead a Knight while the Queen is out."},
    {"règle réservée, sans effet.", "reserved rule, with no effect."},
    {"le preneur entame sa longue par le haut.", "the taker leads his long suit from the top."},
    {"le preneur entame une petite carte de sa longue.", "the taker leads a low card of his long suit."},
    {"ne pas ouvrir une couleur qui était longue au chien.", "do not open a suit that was long in the dog."},
    {"ne pas entamer d'un doubleton d'honneur.", "do not lead from an honour doubleton."},
    {"entamer atout contre une Garde Sans ou une Garde Contre.",
     "lead trumps against a Guard Without or a Guard Against."},
    {"première entame atout d'un défenseur après un chien pauvre.",
     "a defender's first trump lead after a poor dog."},
    {"première entame d'un défenseur après un chien riche en atouts.",
     "a defender's first lead after a dog rich in trumps."},
    {"entamer petit dans une longue menée par la Dame ou le Roi.",
     "lead low from a long suit headed by the Queen or the King."},
    {"un défenseur force le preneur dans sa coupe.", "a defender forces the taker in his void."},
    {"ne pas entamer une couleur dont le Roi était au chien.", "do not lead a suit whose King was in the dog."},
    {"pas d'entame atout sans l'atout maître après l'atout du preneur.",
     "no trump lead without the master trump after the taker's trump lead."},
    {"pas d'entame atout sans l'atout maître, le plus souvent.",
     "usually no trump lead without the master trump."},
    {"ne pas entamer Roi ni Dame d'une couleur déjà ouverte.", "do not lead the King or Queen of an opened suit."},
    {"ne pas entamer d'honneur là où le preneur coupe.", "do not lead honours where the taker is void."},
    {"pas d'entame du Cavalier sans la Dame.", "no Knight lead without the Queen."},
    {"pas de petite entame d'une couleur sans Roi ni Dame.", "no low lead from a suit without King or Queen."},
    {"garder Roi et Dame là où le preneur coupe.", "keep King and Queen where the taker is void."},
    {"le preneur entame le Roi d'une longue couleur.", "the taker leads the King of a long side suit."},
    {"le preneur n'entame pas un Roi sec.", "the taker does not lead a singleton King."},
    {"le preneur joue un Roi gardé sur l'entame d'un défenseur.",
     "the taker plays a guarded King on a defender's lead."},
    {"ne pas entamer une couleur où le signaleur à l'atout coupe.",
     "do not lead a suit the trump signaller is void in."},
    {"jouer petit sous la carte gagnante du preneur.", "play low under the taker's winning card."},
    {"jouer petit quand le pli ne peut pas être gagné.", "play low when the trick cannot be won."},
    {"ne pas entamer les premières couleurs du preneur.", "do not lead the taker's first suits."},
    {"surcouper juste avant le preneur.", "overtrump right before the taker."},
    {"couper avec le plus petit atout.", "trump with the lowest trump."},
    {"gagner avec la plus grosse carte quand on peut battre le preneur.",
     "win with the biggest card when you can beat the taker."},
}};

}  // namespace

const std::string& descriptionRegle(int k, int langue) {
    static const auto textes = [] {
        std::array<std::array<std::string, 2>, 74> t;
        for (std::size_t i = 0; i < t.size(); ++i) t[i] = {descriptions[i].fr, descriptions[i].en};
        return t;
    }();
    static const std::string vide;
    if (k < 1 || k > 74) return vide;
    return textes[static_cast<std::size_t>(k - 1)][langue == ANGLAIS ? 1 : 0];
}
