<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Computes the inner dreams number of a full name.</source>
        <translation>Calcule le nombre des rêves intérieurs d’un nom complet.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;».</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; Lunavik opens no files.</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»&#xa0;; Lunavik n’ouvre aucun fichier.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;.</source>
        <translation>option inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>no display found (%1 is not set); to run Lunavik on a virtual one: xvfb-run %2</source>
        <translation>aucun affichage trouvé (%1 n’est pas définie)&#xa0;; pour lancer Lunavik sur un affichage virtuel&#xa0;: xvfb-run %2</translation>
    </message>
    <message>
        <source>no display found (DISPLAY and WAYLAND_DISPLAY are not set); to run Lunavik on a virtual one: xvfb-run %1</source>
        <translation>aucun affichage trouvé (DISPLAY et WAYLAND_DISPLAY ne sont pas définies)&#xa0;; pour lancer Lunavik sur un affichage virtuel&#xa0;: xvfb-run %1</translation>
    </message>
    <message>
        <source>the platform plugin %1 could not be started; to run Lunavik on a virtual display: %2</source>
        <translation>impossible de démarrer le module de plateforme %1&#xa0;; pour lancer Lunavik sur un affichage virtuel&#xa0;: %2</translation>
    </message>
    <message>
        <source>the platform plugins %1 could not be started; to run Lunavik on a virtual display: %2</source>
        <translation>impossible de démarrer les modules de plateforme %1&#xa0;; pour lancer Lunavik sur un affichage virtuel&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot reach the display %1; to run Lunavik on a virtual one: %2</source>
        <translation>impossible d’atteindre l’affichage %1&#xa0;; pour lancer Lunavik sur un affichage virtuel&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot reach the displays %1 and %2; to run Lunavik on a virtual one: %3</source>
        <translation>impossible d’atteindre les affichages %1 et %2&#xa0;; pour lancer Lunavik sur un affichage virtuel&#xa0;: %3</translation>
    </message>
    <message>
        <source>the platform plugin %1 could not be started; install Lunavik again to put this right</source>
        <translation>impossible de démarrer le module de plateforme %1&#xa0;; réinstallez Lunavik pour corriger le problème</translation>
    </message>
    <message>
        <source>the platform plugins %1 could not be started; install Lunavik again to put this right</source>
        <translation>impossible de démarrer les modules de plateforme %1&#xa0;; réinstallez Lunavik pour corriger le problème</translation>
    </message>
    <message>
        <source>&apos;%1&apos;</source>
        <extracomment>One name, quoted as in the lines around it.</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>Lunavik runs without its check for a second copy: it finds no folder that only you can open for its lock file.</source>
        <translation>Lunavik s’exécute sans vérifier si une autre copie est lancée&#xa0;: il ne trouve aucun dossier privé, fermé aux autres utilisateurs, où placer son fichier de verrouillage.</translation>
    </message>
    <message>
        <source>Lunavik runs without its check for a second copy: it cannot write its lock file %1.</source>
        <translation>Lunavik s’exécute sans vérifier si une autre copie est lancée&#xa0;: il ne peut pas écrire son fichier de verrouillage %1.</translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>Lunavik cannot save its settings in %1: it may not write there.</source>
        <translation>Lunavik ne peut pas enregistrer ses paramètres dans %1&#xa0;: il n’a pas le droit d’y écrire.</translation>
    </message>
    <message>
        <source>Lunavik does not use its settings file %1: it is not a plain file.</source>
        <translation>Lunavik n’utilise pas son fichier de paramètres %1&#xa0;: ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Lunavik cannot read its settings file %1.</source>
        <translation>Lunavik ne peut pas lire son fichier de paramètres %1.</translation>
    </message>
    <message>
        <source>Lunavik does not read its settings file %1: it is damaged and cannot be set aside.</source>
        <translation>Lunavik ne lit pas son fichier de paramètres %1&#xa0;: il est endommagé et ne peut pas être mis de côté.</translation>
    </message>
    <message>
        <source>Lunavik cannot keep its settings: it finds no configuration folder it can use (XDG_CONFIG_HOME, HOME).</source>
        <translation>Lunavik ne peut pas conserver ses paramètres&#xa0;: il ne trouve aucun dossier de configuration utilisable (XDG_CONFIG_HOME, HOME).</translation>
    </message>
</context>
<context>
    <name>captions</name>
    <message>
        <source>Co-brand this software for your site. Get more loyalty &amp;&amp; traffic. Put your site&apos;s name and link in this place. See Help for details. Click here for more information on co-branding.</source>
        <extracomment>&quot;&amp;&amp;&quot; shows as one ampersand.</extracomment>
        <translation>Mettez votre marque sur ce logiciel&#xa0;: plus de fidélité et de trafic pour votre site. Votre nom et votre lien apparaîtront ici. Détails dans le menu Aide. Cliquez ici pour en savoir plus sur le co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Travail à domicile&#xa0;: créez votre propre activité sur Internet et gagnez de l’argent en ligne avec ce logiciel entièrement à la marque de votre site. Cliquez ici pour plus de détails.</translation>
    </message>
    <message>
        <source>The most popular online numerology board and the best resource on the topic. Visit us at %1</source>
        <extracomment>%1 is the host name of the discussion board.</extracomment>
        <translation>Le forum de numérologie le plus fréquenté du Web et la meilleure ressource sur le sujet. Rendez-nous visite sur %1</translation>
    </message>
    <message>
        <source>Lunavik Software helps you to uncover your secret dreams or inner desires and to have a better understanding about them. This software gives an insight into your personality as well. All it needs is your name.</source>
        <translation>Lunavik vous aide à découvrir vos rêves secrets et vos désirs intimes, et à mieux les comprendre. Il vous éclaire aussi sur votre personnalité. Il ne lui faut que votre nom.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <extracomment>The main window&apos;s offer without its last sentence, which the link below it says instead; the space at the end shows nothing, but keep it.</extracomment>
        <translation>Travail à domicile&#xa0;: créez votre propre activité sur Internet et gagnez de l’argent en ligne avec ce logiciel entièrement à la marque de votre site. </translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the maker&apos;s web site.</extracomment>
        <translation>Visitez %1</translation>
    </message>
</context>
<context>
    <name>engine</name>
    <message>
        <source>Your Inner Dreams Number is: </source>
        <extracomment>The number follows this text.</extracomment>
        <translation>Votre nombre des rêves intérieurs est&#xa0;: </translation>
    </message>
    <message>
        <source>As the name suggests this number is associated with your personality or your nature. It signifies your level of comfort in relationships and how much of yourself you are willing to let others know about.</source>
        <translation>Comme son nom l’indique, ce nombre est lié à votre personnalité, à votre nature. Il montre à quel point vous êtes à l’aise dans vos relations et ce que vous acceptez de dévoiler de vous-même aux autres.</translation>
    </message>
    <message>
        <source>Great feeling of importance is what you love. You dream of courage, daring and novel ideas. You see yourself as a pioneer in your own field. At first you may seem aggressive and a little too sure of yourself. Underneath is a confident and dynamic spirit. You like to be in control of what happens around you. You are at ease with your own personality.</source>
        <translation>Vous aimez avoir le sentiment de compter. Vous rêvez de courage, d’audace et d’idées neuves. Vous vous voyez ouvrir la voie dans votre domaine. Au premier abord, vous pouvez donner une impression d’agressivité et d’un peu trop d’assurance. Au fond se cache un esprit sûr de lui et dynamique. Vous aimez garder la maîtrise de ce qui se passe autour de vous. Vous êtes en paix avec votre propre personnalité.</translation>
    </message>
    <message>
        <source>You dream about having close relationships with your friends and other people nearby. You are a good peacemaker at heart. Quiet and charming in a silent way, you are easy to get along with. You would rather stay out of the limelight and let others shine. You are patient and a good listener. You have a gift for making people feel wanted.</source>
        <translation>Vous rêvez de liens étroits avec vos amis et vos proches. Au fond de vous, vous savez ramener la paix. D’un calme et d’un charme discrets, vous êtes une personne facile à vivre. Vous préférez rester dans l’ombre et laisser briller les autres. Vous faites preuve de patience et savez écouter. Vous avez le don de faire sentir aux autres qu’ils comptent.</translation>
    </message>
    <message>
        <source>All forms of art are you dream roles. You excel in writing, acting, painting and music. You wish to express your inner feelings freely and to enjoy life. Charming and witty, you are the life of the crowd. You dream of being glamorous, happy and optimistic. You like to be admired and appreciated for all that you do. You bring colour and joy to everyone who is lucky enough to share your company.</source>
        <translation>Toutes les formes d’art sont les rôles dont vous rêvez. Vous excellez dans l’écriture, le théâtre, la peinture et la musique. Vous voulez exprimer librement vos sentiments et profiter de la vie. Avec votre charme et votre esprit, vous êtes l’âme de la fête. Vous rêvez d’une vie brillante et heureuse, vécue avec optimisme. Vous aimez qu’on vous admire et qu’on vous apprécie pour tout ce que vous faites. Vous apportez couleur et joie à toutes les personnes qui ont la chance de vous côtoyer.</translation>
    </message>
    <message>
        <source>You visualize of being someone rock-solid whom everyone can depend on. You are very well organized and a meticulous planner. You like order and a predictable consistency in your life. You are honest and trustworthy, reliable and practical. You understand the value of every penny you have earned.</source>
        <translation>Vous vous voyez comme un roc sur lequel chacun peut compter. Vous avez un grand sens de l’organisation et vous planifiez tout avec minutie. Vous aimez l’ordre et une certaine régularité dans votre vie. Honnêteté, loyauté, fiabilité et sens pratique vous caractérisent. Vous connaissez la valeur de chaque centime que vous avez gagné.</translation>
    </message>
    <message>
        <source>You would love to be totally free and unreserved by responsibility. You love travel and meeting people of other cultures. You live for adventure and often take risks. Stimulating and quick-minded, you have an infectious happy attitude. You like to imagine all that might be accomplished. At times you may be irresponsible and self-indulgent.</source>
        <translation>Vous aimeriez vivre en toute liberté, sans aucune responsabilité. Vous aimez voyager et rencontrer des gens d’autres cultures. Vous vivez pour l’aventure et prenez souvent des risques. Avec votre esprit vif et stimulant, vous avez une gaieté communicative. Vous aimez imaginer tout ce qui pourrait être accompli. Il vous arrive de manquer de sens des responsabilités et de trop céder à vos envies.</translation>
    </message>
    <message>
        <source>You love your family and relations. You crave the devotion of your offspring and of a loving spouse. You dream of a picture-perfect domestic life. You have a fine sense of justice and fairness. You are compassionate. You keep harmony among the people around you. You are generous, reliable and trustworthy as well.</source>
        <translation>Vous aimez votre famille et vos proches. Vous aspirez à l’affection de vos enfants et d’une personne aimante à vos côtés. Vous rêvez d’une vie de famille digne d’une carte postale. Vous avez un sens aigu de la justice et de l’équité. La compassion vous habite. Vous maintenez l’harmonie entre les personnes qui vous entourent. Vous faites aussi preuve de générosité, de fiabilité et de loyauté.</translation>
    </message>
    <message>
        <source>You love to grab all opportunities you get to read and shut yourself away from the worldly distractions. You are serious and intelligent. You do not let people get very close to you. You feel different from others, and in fact you are. You are spiritually inclined. You want to spend your whole life in the pursuit of knowledge and wisdom.</source>
        <translation>Vous saisissez chaque occasion de lire et de vous isoler des distractions du monde. Vous avez un esprit sérieux et intelligent. Vous ne laissez pas les gens vous approcher de trop près. Vous vous sentez à part, et vous l’êtes vraiment. Vous avez un penchant pour la spiritualité. Vous voulez consacrer votre vie entière à la quête du savoir et de la sagesse.</translation>
    </message>
    <message>
        <source>Your vision is success in the business or political world, of power and control of large material undertakings. You crave authority and want recognition of your executive skills. You are confident, successful, strong and dynamic. Others feel drawn to your powerful personality and want to learn your ways.</source>
        <translation>Vous rêvez de réussir dans les affaires ou en politique, d’exercer le pouvoir et de conduire de grandes entreprises. Vous aspirez à l’autorité et voulez qu’on reconnaisse vos talents de direction. Assurance, réussite, force et dynamisme vous caractérisent. Les autres sont attirés par votre forte personnalité et veulent apprendre de vous.</translation>
    </message>
    <message>
        <source>You are kind and compassionate. You are creative and gifted with many artistic talents. You are aristocratic and noble in your bearing. Others count on you for support and wise advice. You have excellent taste. You may be sensitive and emotional at times. Yet you stay self-controlled whatever happens around you. You want to do much for humanity.</source>
        <translation>Bienveillance et compassion vous définissent. Vous avez l’esprit créatif et de nombreux talents artistiques. Votre allure est aristocratique et noble. Les autres comptent sur votre soutien et vos sages conseils. Vous avez un goût excellent. Il vous arrive de vous laisser porter par la sensibilité et les émotions. Pourtant, vous gardez votre sang-froid quoi qu’il arrive autour de vous. Vous voulez faire beaucoup pour l’humanité.</translation>
    </message>
    <message>
        <source>You have the dream of casting the light of illumination; being the true idealist. You are of the silent, shy type, but your own efforts have improved you a lot. You radiate a warmth that naturally attracts other people to you. You like peace and keep all disturbances out of your life. You are sensitive, charming and a wonderful listener.</source>
        <translation>Vous rêvez de répandre la lumière autour de vous, avec un idéalisme sincère. Vous êtes d’un naturel réservé et timide, mais vos propres efforts vous ont beaucoup fait grandir. Vous rayonnez d’une chaleur qui attire naturellement les autres. Vous aimez la paix et tenez toute agitation à l’écart de votre vie. Vous avez de la sensibilité, du charme, et vous savez merveilleusement écouter.</translation>
    </message>
    <message>
        <source>You have big dreams of being the pioneer behind something truly monumental. You think big and dream big, and you have what it takes to fulfil those dreams. You are innovative, yet simple at heart. You are responsible and efficient in all that you do. With a little perseverance and focus you will succeed at anything. You are a true leader and motivator.</source>
        <translation>Vous avez le grand rêve d’être à l’origine d’une œuvre véritablement monumentale. Vous voyez grand et rêvez grand, et vous avez tout ce qu’il faut pour réaliser ces rêves. Vous avez l’esprit d’innovation, tout en gardant un cœur simple. Vous faites preuve de responsabilité et d’efficacité dans tout ce que vous faites. Avec un peu de persévérance et de concentration, vous réussirez tout ce que vous entreprendrez. Vous savez vraiment entraîner et motiver les autres.</translation>
    </message>
</context>
<context>
    <name>exit_texts</name>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvaneth Softwares. We have a whole range of programs on astrology, psychic abilities, tarot, numerology and the occult. Each of them is easy to use and gives you a fresh insight into your life, your relationships, your hidden talents and your future.</source>
        <translation>Si ce logiciel vous a plu, nos autres logiciels Orvaneth vous intéresseront sûrement. Nous proposons toute une gamme de programmes d’astrologie, de voyance, de tarot, de numérologie et d’ésotérisme. Chacun est simple à utiliser et pose un regard neuf sur votre vie, vos relations, vos talents cachés et votre avenir.</translation>
    </message>
    <message>
        <source>Download them and try them out for yourself today. We are sure you will find them just as rewarding. Then do share the experience with your friends and family, and let them discover what our programs can reveal about them too!</source>
        <translation>Téléchargez-les et essayez-les dès aujourd’hui&#xa0;: nous sommes sûrs qu’ils vous plairont tout autant. Partagez ensuite l’expérience avec vos amis et votre famille, pour qu’eux aussi découvrent ce que nos programmes peuvent révéler sur eux&#xa0;!</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in the discussions and other activities. Programs like this cannot be supported and maintained unless you visit the site regularly.</source>
        <translation>Rendez-vous régulièrement sur %1 et soutenez-le en participant aux discussions et aux autres activités. Des programmes comme celui-ci ne peuvent être maintenus que si vous visitez le site régulièrement.</translation>
    </message>
    <message>
        <source>%1 is a free online forum on astrology, numerology and the occult. Visiting it regularly helps us to develop and maintain this software.</source>
        <translation>%1 est un forum en ligne gratuit sur l’astrologie, la numérologie et l’ésotérisme. Le visiter régulièrement nous aide à développer et à maintenir ce logiciel.</translation>
    </message>
    <message>
        <source>%1 needs your help! Visit it regularly and join the various discussions and activities on the board. That way you will help us maintain and develop more Orvaneth Softwares.</source>
        <translation>%1 a besoin de vous&#xa0;! Visitez-le régulièrement et participez aux discussions et aux activités du forum. Vous nous aiderez ainsi à maintenir et à développer d’autres logiciels Orvaneth.</translation>
    </message>
    <message>
        <source>Orvaneth Softwares, such as this can be created and maintained only with your support. The best way to support Orvaneth is to visit %1 regularly and to join in the discussions and other board activities.</source>
        <translation>Les logiciels Orvaneth comme celui-ci ne peuvent être créés et maintenus qu’avec votre soutien. La meilleure façon de soutenir Orvaneth est de visiter %1 régulièrement et de participer aux discussions et aux autres activités du forum.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the host name of the discussion board.</extracomment>
        <translation>Visitez %1 maintenant</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Lunavik icon</source>
        <translation>Icône de Lunavik</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>same as the English</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Cliquez ici pour plus de détails.</translation>
    </message>
</context>
<context>
    <name>frmInnerDrmOrPerNo</name>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Rechercher une mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos de ce logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Gagner de l’argent en ligne</translation>
    </message>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Veuillez remplir les champs ci-dessous&#xa0;:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Deuxième prénom</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Jour de naissance</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Mois de naissance</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Année de naissance</translation>
    </message>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Veuillez saisir votre prénom.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Veuillez saisir votre nom de famille.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Veuillez choisir votre jour de naissance.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Veuillez choisir votre mois de naissance.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Veuillez choisir votre année de naissance.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>A day past the end of February. The refusal of the 31st of a 30-day month is the same text with a space before &quot;!&quot;: keep them apart where your language allows.</extracomment>
        <translation>Veuillez choisir un jour ou un mois valide&#xa0;!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <extracomment>The 31st of a 30-day month. A day past the end of February is refused with the same text without the space before &quot;!&quot;: keep them apart where your language allows.</extracomment>
        <translation>Veuillez choisir un jour ou un mois valide&#xa0;!</translation>
    </message>
</context>
<context>
    <name>frmNagScreen2</name>
    <message>
        <source>Download Orvaneth Softwares</source>
        <translation>Télécharger les logiciels Orvaneth</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvaneth Softwares</source>
        <translation>Découvrir les logiciels Orvaneth</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>Message</source>
        <translatorcomment>same as the English</translatorcomment>
        <translation>Message</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <extracomment>The box&apos;s name for a screen reader; its hint &quot;Friend&apos;s Name&quot; is another text.</extracomment>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <extracomment>The box&apos;s name for a screen reader; its hint &quot;Friend&apos;s Email Address&quot; is another text.</extracomment>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <extracomment>The box&apos;s name for a screen reader; its hint &quot;Your Email Address&quot; is another text.</extracomment>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recommander maintenant</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>The box&apos;s name for a screen reader; its hint &quot;Your Name&quot; is another text.</extracomment>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Lunavik icon</source>
        <translation>Icône de Lunavik</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Une adresse e-mail ne peut pas contenir d’espace.</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Le logiciel est déjà en cours d’exécution.</translation>
    </message>
    <message>
        <source>Lunavik cannot start: its lock file<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>is left over from an earlier run and cannot be removed. Remove it, then start Lunavik again.</source>
        <extracomment>%1 is the path of the lock file; each carriage return starts a new line.</extracomment>
        <translation>Lunavik ne peut pas démarrer&#xa0;: son fichier de verrouillage<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>a été laissé par une exécution précédente et ne peut pas être supprimé. Supprimez-le, puis relancez Lunavik.</translation>
    </message>
</context>
<context>
    <name>link_strips</name>
    <message>
        <source>Offers</source>
        <translation>Offres</translation>
    </message>
    <message>
        <source>Co-branding offer</source>
        <translation>Offre de co-branding</translation>
    </message>
    <message>
        <source>Fully-branded offer</source>
        <translation>Offre à votre marque</translation>
    </message>
    <message>
        <source>Discussion board banner</source>
        <translation>Bannière du forum</translation>
    </message>
    <message>
        <source>Discussion board</source>
        <translation>Forum</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>The carriage return between the sentences starts the second on a new line.</extracomment>
        <translation>Une mise à jour de ce logiciel est peut-être disponible.<byte value="xd"/>Voulez-vous rechercher une mise à jour&#xa0;?</translation>
    </message>
    <message>
        <source>Lunavik could not open the page in your web browser.</source>
        <translation>Lunavik n’a pas pu ouvrir la page dans votre navigateur web.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom.</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse e-mail.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message.</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami.</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l’adresse e-mail de votre ami.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir deux adresses e-mail différentes.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide.</translation>
    </message>
</context>
</TS>
