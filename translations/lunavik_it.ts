<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CommandLine</name>
    <message>
        <source>Computes the inner dreams number of a full name.</source>
        <translation>Calcola il numero dei sogni interiori di un nome completo.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Provare «%1 --help».</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; Lunavik opens no files.</source>
        <translation>argomento inatteso «%1»; Lunavik non apre file.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;.</source>
        <translation>opzione sconosciuta «%1».</translation>
    </message>
    <message>
        <source>no display found (%1 is not set); to run Lunavik on a virtual one: xvfb-run %2</source>
        <translation>nessuno schermo trovato (%1 non è impostata); per eseguire Lunavik su uno schermo virtuale: xvfb-run %2</translation>
    </message>
    <message>
        <source>no display found (DISPLAY and WAYLAND_DISPLAY are not set); to run Lunavik on a virtual one: xvfb-run %1</source>
        <translation>nessuno schermo trovato (DISPLAY e WAYLAND_DISPLAY non sono impostate); per eseguire Lunavik su uno schermo virtuale: xvfb-run %1</translation>
    </message>
    <message>
        <source>the platform plugin %1 could not be started; to run Lunavik on a virtual display: %2</source>
        <translation>impossibile avviare il plugin di piattaforma %1; per eseguire Lunavik su uno schermo virtuale: %2</translation>
    </message>
    <message>
        <source>the platform plugins %1 could not be started; to run Lunavik on a virtual display: %2</source>
        <translation>impossibile avviare i plugin di piattaforma %1; per eseguire Lunavik su uno schermo virtuale: %2</translation>
    </message>
    <message>
        <source>cannot reach the display %1; to run Lunavik on a virtual one: %2</source>
        <translation>impossibile raggiungere lo schermo %1; per eseguire Lunavik su uno schermo virtuale: %2</translation>
    </message>
    <message>
        <source>cannot reach the displays %1 and %2; to run Lunavik on a virtual one: %3</source>
        <translation>impossibile raggiungere gli schermi %1 e %2; per eseguire Lunavik su uno schermo virtuale: %3</translation>
    </message>
    <message>
        <source>the platform plugin %1 could not be started; install Lunavik again to put this right</source>
        <translation>impossibile avviare il plugin di piattaforma %1; reinstallare Lunavik per risolvere il problema</translation>
    </message>
    <message>
        <source>the platform plugins %1 could not be started; install Lunavik again to put this right</source>
        <translation>impossibile avviare i plugin di piattaforma %1; reinstallare Lunavik per risolvere il problema</translation>
    </message>
    <message>
        <source>&apos;%1&apos;</source>
        <extracomment>One name, quoted as in the lines around it.</extracomment>
        <translation>«%1»</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>Lunavik runs without its check for a second copy: it finds no folder that only you can open for its lock file.</source>
        <translation>Lunavik viene eseguito senza controllare se è già in esecuzione un’altra copia: non trova nessuna cartella, accessibile solo a lei, in cui creare il proprio file di blocco.</translation>
    </message>
    <message>
        <source>Lunavik runs without its check for a second copy: it cannot write its lock file %1.</source>
        <translation>Lunavik viene eseguito senza controllare se è già in esecuzione un’altra copia: non riesce a scrivere il proprio file di blocco %1.</translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>Lunavik cannot save its settings in %1: it may not write there.</source>
        <translation>Lunavik non può salvare le proprie impostazioni in %1: non ha il permesso di scrivere lì.</translation>
    </message>
    <message>
        <source>Lunavik does not use its settings file %1: it is not a plain file.</source>
        <translation>Lunavik non usa il proprio file di impostazioni %1: non è un file normale.</translation>
    </message>
    <message>
        <source>Lunavik cannot read its settings file %1.</source>
        <translation>Lunavik non riesce a leggere il proprio file di impostazioni %1.</translation>
    </message>
    <message>
        <source>Lunavik does not read its settings file %1: it is damaged and cannot be set aside.</source>
        <translation>Lunavik non legge il proprio file di impostazioni %1: è danneggiato e non può essere messo da parte.</translation>
    </message>
    <message>
        <source>Lunavik cannot keep its settings: it finds no configuration folder it can use (XDG_CONFIG_HOME, HOME).</source>
        <translation>Lunavik non può conservare le proprie impostazioni: non trova nessuna cartella di configurazione utilizzabile (XDG_CONFIG_HOME, HOME).</translation>
    </message>
</context>
<context>
    <name>captions</name>
    <message>
        <source>Co-brand this software for your site. Get more loyalty &amp;&amp; traffic. Put your site&apos;s name and link in this place. See Help for details. Click here for more information on co-branding.</source>
        <extracomment>&quot;&amp;&amp;&quot; shows as one ampersand.</extracomment>
        <translation>Personalizzare questo software con il marchio del proprio sito: più fidelizzazione e traffico. Il nome e il link del sito compariranno qui. Dettagli nella Guida. Fare clic qui per saperne di più sul co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Lavoro da casa: avviare la propria attività su Internet e guadagnare online con questo software interamente personalizzato con il proprio marchio. Fare clic qui per i dettagli.</translation>
    </message>
    <message>
        <source>The most popular online numerology board and the best resource on the topic. Visit us at %1</source>
        <extracomment>%1 is the host name of the discussion board.</extracomment>
        <translation>Il forum di numerologia più frequentato del Web e la migliore risorsa sull’argomento. Ci trova su %1</translation>
    </message>
    <message>
        <source>Lunavik Software helps you to uncover your secret dreams or inner desires and to have a better understanding about them. This software gives an insight into your personality as well. All it needs is your name.</source>
        <translation>Lunavik la aiuta a scoprire i suoi sogni segreti e i suoi desideri più intimi, e a comprenderli meglio. Le offre anche uno sguardo sulla sua personalità. Basta il suo nome.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <extracomment>The main window&apos;s offer without its last sentence, which the link below it says instead; the space at the end shows nothing, but keep it.</extracomment>
        <translation>Lavoro da casa: avviare la propria attività su Internet e guadagnare online con questo software interamente personalizzato con il proprio marchio. </translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the maker&apos;s web site.</extracomment>
        <translation>Visitare %1</translation>
    </message>
</context>
<context>
    <name>engine</name>
    <message>
        <source>Your Inner Dreams Number is: </source>
        <extracomment>The number follows this text.</extracomment>
        <translation>Il suo numero dei sogni interiori è: </translation>
    </message>
    <message>
        <source>As the name suggests this number is associated with your personality or your nature. It signifies your level of comfort in relationships and how much of yourself you are willing to let others know about.</source>
        <translation>Come dice il nome stesso, questo numero è legato alla sua personalità, alla sua natura. Indica quanto si sente a proprio agio nelle relazioni e quanto di sé vuole far conoscere agli altri.</translation>
    </message>
    <message>
        <source>Great feeling of importance is what you love. You dream of courage, daring and novel ideas. You see yourself as a pioneer in your own field. At first you may seem aggressive and a little too sure of yourself. Underneath is a confident and dynamic spirit. You like to be in control of what happens around you. You are at ease with your own personality.</source>
        <translation>Ama sentirsi importante. Sogna coraggio, audacia e idee nuove. Si vede come chi apre la strada nel proprio campo. A prima vista può dare un’impressione di aggressività e di eccessiva sicurezza. Sotto c’è uno spirito sicuro di sé e dinamico. Le piace avere il controllo di ciò che accade intorno a lei. È in pace con la propria personalità.</translation>
    </message>
    <message>
        <source>You dream about having close relationships with your friends and other people nearby. You are a good peacemaker at heart. Quiet and charming in a silent way, you are easy to get along with. You would rather stay out of the limelight and let others shine. You are patient and a good listener. You have a gift for making people feel wanted.</source>
        <translation>Sogna rapporti stretti con gli amici e con le persone che le stanno vicino. In fondo al cuore sa portare la pace. Con la sua calma e il suo fascino discreto, è una persona con cui è facile andare d’accordo. Preferisce stare lontano dai riflettori e lasciar brillare gli altri. È paziente e sa ascoltare. Ha il dono di far sentire gli altri importanti.</translation>
    </message>
    <message>
        <source>All forms of art are you dream roles. You excel in writing, acting, painting and music. You wish to express your inner feelings freely and to enjoy life. Charming and witty, you are the life of the crowd. You dream of being glamorous, happy and optimistic. You like to be admired and appreciated for all that you do. You bring colour and joy to everyone who is lucky enough to share your company.</source>
        <translation>Tutte le forme d’arte sono i ruoli dei suoi sogni. Eccelle nella scrittura, nella recitazione, nella pittura e nella musica. Desidera esprimere liberamente i propri sentimenti e godersi la vita. Con il suo fascino e il suo spirito, è l’anima della festa. Sogna una vita brillante e felice, vissuta con ottimismo. Le piace ricevere ammirazione e apprezzamento per tutto ciò che fa. Porta colore e gioia a chiunque abbia la fortuna di stare in sua compagnia.</translation>
    </message>
    <message>
        <source>You visualize of being someone rock-solid whom everyone can depend on. You are very well organized and a meticulous planner. You like order and a predictable consistency in your life. You are honest and trustworthy, reliable and practical. You understand the value of every penny you have earned.</source>
        <translation>Si immagina come una persona solida come una roccia, su cui tutti possono contare. Ha un grande senso dell’organizzazione e pianifica ogni cosa con cura. Ama l’ordine e una costanza prevedibile nella sua vita. È una persona onesta e degna di fiducia, affidabile e pratica. Conosce il valore di ogni centesimo che ha guadagnato.</translation>
    </message>
    <message>
        <source>You would love to be totally free and unreserved by responsibility. You love travel and meeting people of other cultures. You live for adventure and often take risks. Stimulating and quick-minded, you have an infectious happy attitude. You like to imagine all that might be accomplished. At times you may be irresponsible and self-indulgent.</source>
        <translation>Le piacerebbe vivere in piena libertà, senza il peso delle responsabilità. Ama viaggiare e conoscere persone di altre culture. Vive per l’avventura e corre spesso dei rischi. Con la sua mente pronta e stimolante, ha un’allegria contagiosa. Le piace immaginare tutto ciò che si potrebbe realizzare. A volte può mancare di senso di responsabilità e concedersi qualche capriccio di troppo.</translation>
    </message>
    <message>
        <source>You love your family and relations. You crave the devotion of your offspring and of a loving spouse. You dream of a picture-perfect domestic life. You have a fine sense of justice and fairness. You are compassionate. You keep harmony among the people around you. You are generous, reliable and trustworthy as well.</source>
        <translation>Ama la sua famiglia e i suoi parenti. Desidera l’affetto dei figli e di una persona amorevole al suo fianco. Sogna una vita familiare da cartolina. Ha un forte senso della giustizia e dell’equità. Sa provare compassione. Mantiene l’armonia tra le persone che la circondano. È anche una persona generosa, affidabile e degna di fiducia.</translation>
    </message>
    <message>
        <source>You love to grab all opportunities you get to read and shut yourself away from the worldly distractions. You are serious and intelligent. You do not let people get very close to you. You feel different from others, and in fact you are. You are spiritually inclined. You want to spend your whole life in the pursuit of knowledge and wisdom.</source>
        <translation>Coglie ogni occasione per leggere e isolarsi dalle distrazioni del mondo. Ha un carattere serio e una viva intelligenza. Non lascia che le persone le si avvicinino troppo. Sente di essere una persona diversa dagli altri, e in effetti lo è. Ha un’inclinazione per la spiritualità. Vuole dedicare tutta la vita alla ricerca della conoscenza e della saggezza.</translation>
    </message>
    <message>
        <source>Your vision is success in the business or political world, of power and control of large material undertakings. You crave authority and want recognition of your executive skills. You are confident, successful, strong and dynamic. Others feel drawn to your powerful personality and want to learn your ways.</source>
        <translation>Sogna il successo negli affari o in politica, il potere e la guida di grandi imprese. Aspira all’autorità e vuole che le sue doti di comando siano riconosciute. Sicurezza, successo, forza e dinamismo la contraddistinguono. Gli altri si sentono attratti dalla sua forte personalità e vogliono imparare da lei.</translation>
    </message>
    <message>
        <source>You are kind and compassionate. You are creative and gifted with many artistic talents. You are aristocratic and noble in your bearing. Others count on you for support and wise advice. You have excellent taste. You may be sensitive and emotional at times. Yet you stay self-controlled whatever happens around you. You want to do much for humanity.</source>
        <translation>Gentilezza e compassione la contraddistinguono. Ha una mente creativa e molti talenti artistici. Ha un portamento aristocratico e nobile. Gli altri contano su di lei per avere sostegno e saggi consigli. Ha un gusto eccellente. A volte può lasciarsi guidare dalla sensibilità e dalle emozioni. Eppure mantiene il controllo di sé qualunque cosa accada intorno a lei. Vuole fare molto per l’umanità.</translation>
    </message>
    <message>
        <source>You have the dream of casting the light of illumination; being the true idealist. You are of the silent, shy type, but your own efforts have improved you a lot. You radiate a warmth that naturally attracts other people to you. You like peace and keep all disturbances out of your life. You are sensitive, charming and a wonderful listener.</source>
        <translation>Sogna di portare la luce agli altri, con un idealismo autentico. Ha un carattere riservato e timido, ma con i propri sforzi ha fatto grandi progressi. Emana un calore che attira naturalmente gli altri. Ama la pace e tiene ogni turbamento lontano dalla sua vita. Ha sensibilità e fascino, e sa ascoltare con rara attenzione.</translation>
    </message>
    <message>
        <source>You have big dreams of being the pioneer behind something truly monumental. You think big and dream big, and you have what it takes to fulfil those dreams. You are innovative, yet simple at heart. You are responsible and efficient in all that you do. With a little perseverance and focus you will succeed at anything. You are a true leader and motivator.</source>
        <translation>Ha il grande sogno di dare vita a qualcosa di davvero monumentale. Pensa in grande e sogna in grande, e ha tutto ciò che serve per realizzare questi sogni. Ha spirito innovativo, ma un cuore semplice. Agisce con responsabilità ed efficienza in tutto ciò che fa. Con un po’ di perseveranza e concentrazione riuscirà in qualsiasi impresa. Sa guidare e motivare gli altri come pochi.</translation>
    </message>
</context>
<context>
    <name>exit_texts</name>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvaneth Softwares. We have a whole range of programs on astrology, psychic abilities, tarot, numerology and the occult. Each of them is easy to use and gives you a fresh insight into your life, your relationships, your hidden talents and your future.</source>
        <translation>Se questo software le è piaciuto, le interesseranno di sicuro gli altri programmi di Orvaneth. Offriamo un’intera gamma di programmi di astrologia, facoltà paranormali, tarocchi, numerologia ed esoterismo. Sono tutti facili da usare e le offrono uno sguardo nuovo sulla sua vita, sulle sue relazioni, sui suoi talenti nascosti e sul suo futuro.</translation>
    </message>
    <message>
        <source>Download them and try them out for yourself today. We are sure you will find them just as rewarding. Then do share the experience with your friends and family, and let them discover what our programs can reveal about them too!</source>
        <translation>Perché non scaricarli e provarli oggi stesso? Siamo certi che li troverà altrettanto appaganti. Potrà poi condividere l’esperienza con amici e familiari, perché anche loro scoprano che cosa i nostri programmi possono rivelare su di loro!</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in the discussions and other activities. Programs like this cannot be supported and maintained unless you visit the site regularly.</source>
        <translation>La invitiamo a visitare %1 regolarmente e a sostenerlo partecipando alle discussioni e alle altre attività. Programmi come questo possono essere mantenuti e sviluppati solo se lei visita il sito con regolarità.</translation>
    </message>
    <message>
        <source>%1 is a free online forum on astrology, numerology and the occult. Visiting it regularly helps us to develop and maintain this software.</source>
        <translation>%1 è un forum online gratuito di astrologia, numerologia ed esoterismo. Visitarlo regolarmente ci aiuta a sviluppare e mantenere questo software.</translation>
    </message>
    <message>
        <source>%1 needs your help! Visit it regularly and join the various discussions and activities on the board. That way you will help us maintain and develop more Orvaneth Softwares.</source>
        <translation>%1 ha bisogno del suo aiuto! Visitandolo regolarmente e partecipando alle discussioni e alle attività del forum, ci aiuterà a mantenere e sviluppare altri programmi di Orvaneth.</translation>
    </message>
    <message>
        <source>Orvaneth Softwares, such as this can be created and maintained only with your support. The best way to support Orvaneth is to visit %1 regularly and to join in the discussions and other board activities.</source>
        <translation>I programmi di Orvaneth come questo possono essere creati e mantenuti solo con il suo sostegno. Il modo migliore per sostenere Orvaneth è visitare %1 regolarmente e partecipare alle discussioni e alle altre attività del forum.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the host name of the discussion board.</extracomment>
        <translation>Visitare subito %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Lunavik icon</source>
        <translation>Icona di Lunavik</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>same as the English</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Separatore</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Fare clic qui per i dettagli.</translation>
    </message>
</context>
<context>
    <name>frmInnerDrmOrPerNo</name>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>January</source>
        <translation>gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dicembre</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translatorcomment>same as the English</translatorcomment>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Guida in linea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitare il nostro sito</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Cercare aggiornamenti</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni sul software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donazione</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Guadagnare &amp;online</translation>
    </message>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Compilare i campi seguenti:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Secondo nome</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Cognome</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Data di nascita</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Giorno di nascita</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Mese di nascita</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Anno di nascita</translation>
    </message>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Inserire il nome.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Inserire il cognome.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Scegliere il giorno di nascita.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Scegliere il mese di nascita.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Scegliere l’anno di nascita.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>A day past the end of February. The refusal of the 31st of a 30-day month is the same text with a space before &quot;!&quot;: keep them apart where your language allows.</extracomment>
        <translation>Scegliere un giorno o un mese valido!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <extracomment>The 31st of a 30-day month. A day past the end of February is refused with the same text without the space before &quot;!&quot;: keep them apart where your language allows.</extracomment>
        <translation>Scegliere un giorno o un mese valido!</translation>
    </message>
</context>
<context>
    <name>frmNagScreen2</name>
    <message>
        <source>Download Orvaneth Softwares</source>
        <translation>Scaricare i programmi di Orvaneth</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvaneth Softwares</source>
        <translation>Scoprire i programmi di Orvaneth</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Consigliare a un amico</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <extracomment>The box&apos;s name for a screen reader; its hint &quot;Friend&apos;s Name&quot; is another text.</extracomment>
        <translation>Nome dell’amico</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <extracomment>The box&apos;s name for a screen reader; its hint &quot;Friend&apos;s Email Address&quot; is another text.</extracomment>
        <translation>Indirizzo e-mail dell’amico</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <extracomment>The box&apos;s name for a screen reader; its hint &quot;Your Email Address&quot; is another text.</extracomment>
        <translation>Il suo indirizzo e-mail</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Consigliare ora</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>The box&apos;s name for a screen reader; its hint &quot;Your Name&quot; is another text.</extracomment>
        <translation>Il suo nome</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Lunavik icon</source>
        <translation>Icona di Lunavik</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Un indirizzo e-mail non può contenere spazi.</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Il programma è già in esecuzione.</translation>
    </message>
    <message>
        <source>Lunavik cannot start: its lock file<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>is left over from an earlier run and cannot be removed. Remove it, then start Lunavik again.</source>
        <extracomment>%1 is the path of the lock file; each carriage return starts a new line.</extracomment>
        <translation>Impossibile avviare Lunavik: il file di blocco<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>è stato lasciato da un’esecuzione precedente e non può essere rimosso. Rimuoverlo, quindi avviare di nuovo Lunavik.</translation>
    </message>
</context>
<context>
    <name>link_strips</name>
    <message>
        <source>Offers</source>
        <translation>Offerte</translation>
    </message>
    <message>
        <source>Co-branding offer</source>
        <translation>Offerta di co-branding</translation>
    </message>
    <message>
        <source>Fully-branded offer</source>
        <translation>Offerta con il proprio marchio</translation>
    </message>
    <message>
        <source>Discussion board banner</source>
        <translation>Banner del forum</translation>
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
        <translation>Potrebbe essere disponibile un aggiornamento di questo software.<byte value="xd"/>Cercare un aggiornamento?</translation>
    </message>
    <message>
        <source>Lunavik could not open the page in your web browser.</source>
        <translation>Lunavik non è riuscito ad aprire la pagina nel suo browser web.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>Il suo nome</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Inserire il proprio nome.</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Il suo indirizzo e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Inserire il proprio indirizzo e-mail.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Inserire il messaggio.</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome dell’amico</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Inserire il nome dell’amico.</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Indirizzo e-mail dell’amico</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Inserire l’indirizzo e-mail dell’amico.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Inserire due indirizzi e-mail diversi.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Inserire un indirizzo e-mail valido.</translation>
    </message>
</context>
</TS>
