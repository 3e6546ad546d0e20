<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Computes the inner dreams number of a full name.</source>
        <translation>Berechnet die innere Traumzahl eines vollständigen Namens.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>»%1 --help« zeigt weitere Informationen.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; Lunavik opens no files.</source>
        <translation>unerwartetes Argument »%1«; Lunavik öffnet keine Dateien.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;.</source>
        <translation>unbekannte Option »%1«.</translation>
    </message>
    <message>
        <source>no display found (%1 is not set); to run Lunavik on a virtual one: xvfb-run %2</source>
        <translation>keine Anzeige gefunden (%1 ist nicht gesetzt); so starten Sie Lunavik auf einer virtuellen Anzeige: xvfb-run %2</translation>
    </message>
    <message>
        <source>no display found (DISPLAY and WAYLAND_DISPLAY are not set); to run Lunavik on a virtual one: xvfb-run %1</source>
        <translation>keine Anzeige gefunden (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt); so starten Sie Lunavik auf einer virtuellen Anzeige: xvfb-run %1</translation>
    </message>
    <message>
        <source>the platform plugin %1 could not be started; to run Lunavik on a virtual display: %2</source>
        <translation>das Plattform-Plugin %1 ließ sich nicht starten; so starten Sie Lunavik auf einer virtuellen Anzeige: %2</translation>
    </message>
    <message>
        <source>the platform plugins %1 could not be started; to run Lunavik on a virtual display: %2</source>
        <translation>die Plattform-Plugins %1 ließen sich nicht starten; so starten Sie Lunavik auf einer virtuellen Anzeige: %2</translation>
    </message>
    <message>
        <source>cannot reach the display %1; to run Lunavik on a virtual one: %2</source>
        <translation>die Anzeige %1 ist nicht erreichbar; so starten Sie Lunavik auf einer virtuellen Anzeige: %2</translation>
    </message>
    <message>
        <source>cannot reach the displays %1 and %2; to run Lunavik on a virtual one: %3</source>
        <translation>die Anzeigen %1 und %2 sind nicht erreichbar; so starten Sie Lunavik auf einer virtuellen Anzeige: %3</translation>
    </message>
    <message>
        <source>the platform plugin %1 could not be started; install Lunavik again to put this right</source>
        <translation>das Plattform-Plugin %1 ließ sich nicht starten; installieren Sie Lunavik neu, um das Problem zu beheben</translation>
    </message>
    <message>
        <source>the platform plugins %1 could not be started; install Lunavik again to put this right</source>
        <translation>die Plattform-Plugins %1 ließen sich nicht starten; installieren Sie Lunavik neu, um das Problem zu beheben</translation>
    </message>
    <message>
        <source>&apos;%1&apos;</source>
        <extracomment>One name, quoted as in the lines around it.</extracomment>
        <translation>»%1«</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>Lunavik runs without its check for a second copy: it finds no folder that only you can open for its lock file.</source>
        <translation>Lunavik läuft ohne Prüfung auf eine zweite Instanz: Es findet für seine Sperrdatei keinen Ordner, den nur Sie öffnen können.</translation>
    </message>
    <message>
        <source>Lunavik runs without its check for a second copy: it cannot write its lock file %1.</source>
        <translation>Lunavik läuft ohne Prüfung auf eine zweite Instanz: Es kann seine Sperrdatei %1 nicht schreiben.</translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>Lunavik cannot save its settings in %1: it may not write there.</source>
        <translation>Lunavik kann seine Einstellungen nicht in %1 speichern: Es darf dort nicht schreiben.</translation>
    </message>
    <message>
        <source>Lunavik does not use its settings file %1: it is not a plain file.</source>
        <translation>Lunavik verwendet seine Einstellungsdatei %1 nicht: Sie ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Lunavik cannot read its settings file %1.</source>
        <translation>Lunavik kann seine Einstellungsdatei %1 nicht lesen.</translation>
    </message>
    <message>
        <source>Lunavik does not read its settings file %1: it is damaged and cannot be set aside.</source>
        <translation>Lunavik liest seine Einstellungsdatei %1 nicht: Sie ist beschädigt und lässt sich nicht beiseitelegen.</translation>
    </message>
    <message>
        <source>Lunavik cannot keep its settings: it finds no configuration folder it can use (XDG_CONFIG_HOME, HOME).</source>
        <translation>Lunavik kann seine Einstellungen nicht aufbewahren: Es findet keinen nutzbaren Konfigurationsordner (XDG_CONFIG_HOME, HOME).</translation>
    </message>
</context>
<context>
    <name>captions</name>
    <message>
        <source>Co-brand this software for your site. Get more loyalty &amp;&amp; traffic. Put your site&apos;s name and link in this place. See Help for details. Click here for more information on co-branding.</source>
        <extracomment>&quot;&amp;&amp;&quot; shows as one ampersand.</extracomment>
        <translation>Diese Software mit Ihrer Marke: mehr Kundenbindung und Besucher für Ihre Website. Ihr Name und Link stehen dann hier. Details in der Hilfe. Hier klicken und mehr über Co-Branding erfahren.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld – mit dieser Software ganz unter Ihrer Marke. Hier klicken für mehr Details.</translation>
    </message>
    <message>
        <source>The most popular online numerology board and the best resource on the topic. Visit us at %1</source>
        <extracomment>%1 is the host name of the discussion board.</extracomment>
        <translation>Das beliebteste Numerologie-Forum im Netz und die beste Quelle zum Thema. Besuchen Sie uns unter %1</translation>
    </message>
    <message>
        <source>Lunavik Software helps you to uncover your secret dreams or inner desires and to have a better understanding about them. This software gives an insight into your personality as well. All it needs is your name.</source>
        <translation>Lunavik hilft Ihnen, Ihre geheimen Träume und inneren Wünsche zu entdecken und besser zu verstehen. Die Software gewährt auch einen Einblick in Ihre Persönlichkeit. Dazu braucht sie nur Ihren Namen.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <extracomment>The main window&apos;s offer without its last sentence, which the link below it says instead; the space at the end shows nothing, but keep it.</extracomment>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld – mit dieser Software ganz unter Ihrer Marke. </translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the maker&apos;s web site.</extracomment>
        <translation>Besuchen Sie %1</translation>
    </message>
</context>
<context>
    <name>engine</name>
    <message>
        <source>Your Inner Dreams Number is: </source>
        <extracomment>The number follows this text.</extracomment>
        <translation>Ihre innere Traumzahl lautet: </translation>
    </message>
    <message>
        <source>As the name suggests this number is associated with your personality or your nature. It signifies your level of comfort in relationships and how much of yourself you are willing to let others know about.</source>
        <translation>Wie der Name schon sagt, steht diese Zahl für Ihre Persönlichkeit, für Ihr Wesen. Sie zeigt, wie wohl Sie sich in Beziehungen fühlen und wie viel Sie anderen von sich preisgeben möchten.</translation>
    </message>
    <message>
        <source>Great feeling of importance is what you love. You dream of courage, daring and novel ideas. You see yourself as a pioneer in your own field. At first you may seem aggressive and a little too sure of yourself. Underneath is a confident and dynamic spirit. You like to be in control of what happens around you. You are at ease with your own personality.</source>
        <translation>Sie lieben das Gefühl, wichtig zu sein. Sie träumen von Mut, Wagnis und neuen Ideen. Auf Ihrem Gebiet sehen Sie sich als jemanden, der neue Wege geht. Auf den ersten Blick wirken Sie vielleicht angriffslustig und ein wenig zu selbstsicher. Darunter verbirgt sich ein selbstbewusster, dynamischer Geist. Sie behalten gern die Kontrolle über das, was um Sie herum geschieht. Mit Ihrer Persönlichkeit sind Sie im Reinen.</translation>
    </message>
    <message>
        <source>You dream about having close relationships with your friends and other people nearby. You are a good peacemaker at heart. Quiet and charming in a silent way, you are easy to get along with. You would rather stay out of the limelight and let others shine. You are patient and a good listener. You have a gift for making people feel wanted.</source>
        <translation>Sie träumen von engen Beziehungen zu Ihren Freunden und den Menschen in Ihrer Nähe. Im Herzen sind Sie jemand, der Frieden stiftet. Sie sind ruhig, auf stille Art charmant und leicht im Umgang. Sie bleiben lieber im Hintergrund und lassen andere glänzen. Sie sind geduldig und können gut zuhören. Sie haben die Gabe, anderen das Gefühl zu geben, gebraucht und geschätzt zu werden.</translation>
    </message>
    <message>
        <source>All forms of art are you dream roles. You excel in writing, acting, painting and music. You wish to express your inner feelings freely and to enjoy life. Charming and witty, you are the life of the crowd. You dream of being glamorous, happy and optimistic. You like to be admired and appreciated for all that you do. You bring colour and joy to everyone who is lucky enough to share your company.</source>
        <translation>Alle Formen der Kunst sind Ihre Traumrollen. Sie glänzen beim Schreiben, Schauspielen, Malen und in der Musik. Sie möchten Ihre Gefühle frei ausdrücken und das Leben genießen. Mit Charme und Witz sind Sie der Mittelpunkt jeder Runde. Sie träumen von einem glanzvollen, glücklichen Leben voller Optimismus. Sie werden gern für alles bewundert und geschätzt, was Sie tun. Sie bringen Farbe und Freude in das Leben aller, die das Glück haben, Zeit mit Ihnen zu verbringen.</translation>
    </message>
    <message>
        <source>You visualize of being someone rock-solid whom everyone can depend on. You are very well organized and a meticulous planner. You like order and a predictable consistency in your life. You are honest and trustworthy, reliable and practical. You understand the value of every penny you have earned.</source>
        <translation>Sie sehen sich als jemanden, der fest wie ein Fels steht und auf den sich alle verlassen können. Sie sind sehr gut organisiert und planen sorgfältig. Sie lieben Ordnung und eine verlässliche Beständigkeit in Ihrem Leben. Sie sind ehrlich und vertrauenswürdig, zuverlässig und praktisch veranlagt. Sie kennen den Wert jedes Cents, den Sie verdient haben.</translation>
    </message>
    <message>
        <source>You would love to be totally free and unreserved by responsibility. You love travel and meeting people of other cultures. You live for adventure and often take risks. Stimulating and quick-minded, you have an infectious happy attitude. You like to imagine all that might be accomplished. At times you may be irresponsible and self-indulgent.</source>
        <translation>Sie wären am liebsten völlig frei und von keiner Verantwortung gebunden. Sie lieben das Reisen und Begegnungen mit Menschen anderer Kulturen. Sie leben für das Abenteuer und gehen oft Risiken ein. Anregend und schlagfertig, wie Sie sind, stecken Sie andere mit Ihrer Fröhlichkeit an. Sie malen sich gern aus, was sich alles erreichen ließe. Manchmal sind Sie vielleicht verantwortungslos und allzu nachsichtig mit sich selbst.</translation>
    </message>
    <message>
        <source>You love your family and relations. You crave the devotion of your offspring and of a loving spouse. You dream of a picture-perfect domestic life. You have a fine sense of justice and fairness. You are compassionate. You keep harmony among the people around you. You are generous, reliable and trustworthy as well.</source>
        <translation>Sie lieben Ihre Familie und Ihre Verwandten. Sie sehnen sich nach der Zuneigung Ihrer Kinder und eines liebevollen Menschen an Ihrer Seite. Sie träumen von einem Familienleben wie aus dem Bilderbuch. Sie haben ein feines Gespür für Recht und Gerechtigkeit. Sie sind mitfühlend. Sie sorgen für Harmonie unter den Menschen um Sie herum. Außerdem sind Sie großzügig, zuverlässig und vertrauenswürdig.</translation>
    </message>
    <message>
        <source>You love to grab all opportunities you get to read and shut yourself away from the worldly distractions. You are serious and intelligent. You do not let people get very close to you. You feel different from others, and in fact you are. You are spiritually inclined. You want to spend your whole life in the pursuit of knowledge and wisdom.</source>
        <translation>Sie nutzen jede Gelegenheit, um zu lesen und sich von den Ablenkungen der Welt zurückzuziehen. Sie sind ernsthaft und intelligent. Sie lassen andere nicht allzu nah an sich heran. Sie fühlen sich anders als die anderen, und das sind Sie auch. Sie sind spirituell veranlagt. Sie möchten Ihr ganzes Leben der Suche nach Wissen und Weisheit widmen.</translation>
    </message>
    <message>
        <source>Your vision is success in the business or political world, of power and control of large material undertakings. You crave authority and want recognition of your executive skills. You are confident, successful, strong and dynamic. Others feel drawn to your powerful personality and want to learn your ways.</source>
        <translation>Sie träumen vom Erfolg in Wirtschaft oder Politik, von Macht und von der Leitung großer Unternehmungen. Sie streben nach Autorität und wollen für Ihre Führungsqualitäten anerkannt werden. Sie sind selbstbewusst, erfolgreich, stark und dynamisch. Andere fühlen sich von Ihrer starken Persönlichkeit angezogen und wollen von Ihnen lernen.</translation>
    </message>
    <message>
        <source>You are kind and compassionate. You are creative and gifted with many artistic talents. You are aristocratic and noble in your bearing. Others count on you for support and wise advice. You have excellent taste. You may be sensitive and emotional at times. Yet you stay self-controlled whatever happens around you. You want to do much for humanity.</source>
        <translation>Sie sind gütig und mitfühlend. Sie sind kreativ und mit vielen künstlerischen Talenten begabt. Ihre Haltung ist vornehm und edel. Andere verlassen sich auf Ihre Unterstützung und Ihren klugen Rat. Sie haben einen ausgezeichneten Geschmack. Manchmal sind Sie empfindsam und gefühlvoll. Dennoch bewahren Sie die Fassung, was auch immer um Sie herum geschieht. Sie möchten viel für die Menschheit tun.</translation>
    </message>
    <message>
        <source>You have the dream of casting the light of illumination; being the true idealist. You are of the silent, shy type, but your own efforts have improved you a lot. You radiate a warmth that naturally attracts other people to you. You like peace and keep all disturbances out of your life. You are sensitive, charming and a wonderful listener.</source>
        <translation>Sie träumen davon, das Licht der Erkenntnis weiterzugeben und Ihre Ideale ganz zu leben. Sie sind eher still und schüchtern, doch durch eigene Anstrengung sind Sie sehr gewachsen. Sie strahlen eine Wärme aus, die andere ganz von selbst anzieht. Sie lieben den Frieden und halten jede Unruhe von Ihrem Leben fern. Sie sind einfühlsam, charmant und können wunderbar zuhören.</translation>
    </message>
    <message>
        <source>You have big dreams of being the pioneer behind something truly monumental. You think big and dream big, and you have what it takes to fulfil those dreams. You are innovative, yet simple at heart. You are responsible and efficient in all that you do. With a little perseverance and focus you will succeed at anything. You are a true leader and motivator.</source>
        <translation>Sie haben den großen Traum, etwas wahrhaft Monumentales auf den Weg zu bringen. Sie denken groß und träumen groß, und Sie haben das Zeug dazu, diese Träume wahr zu machen. Sie sind innovativ und doch im Herzen einfach geblieben. Sie handeln verantwortungsvoll und effizient in allem, was Sie tun. Mit etwas Ausdauer und Konzentration gelingt Ihnen alles. Sie sind eine echte Führungspersönlichkeit, die andere mitreißt.</translation>
    </message>
</context>
<context>
    <name>exit_texts</name>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvaneth Softwares. We have a whole range of programs on astrology, psychic abilities, tarot, numerology and the occult. Each of them is easy to use and gives you a fresh insight into your life, your relationships, your hidden talents and your future.</source>
        <translation>Hat Ihnen diese Software gefallen? Dann interessieren Sie sicher auch unsere anderen Orvaneth-Programme zu Astrologie, übersinnlichen Fähigkeiten, Tarot, Numerologie und Okkultismus. Alle sind einfach zu bedienen und geben Ihnen neue Einblicke in Ihr Leben, Ihre Beziehungen, Ihre verborgenen Talente und Ihre Zukunft.</translation>
    </message>
    <message>
        <source>Download them and try them out for yourself today. We are sure you will find them just as rewarding. Then do share the experience with your friends and family, and let them discover what our programs can reveal about them too!</source>
        <translation>Laden Sie die Programme noch heute herunter und überzeugen Sie sich selbst – sie werden Ihnen bestimmt ebenso gefallen. Teilen Sie Ihre Erfahrung dann mit Freunden und Familie, damit auch diese entdecken, was unsere Programme über sie verraten!</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in the discussions and other activities. Programs like this cannot be supported and maintained unless you visit the site regularly.</source>
        <translation>Bitte besuchen Sie %1 regelmäßig und unterstützen Sie das Forum mit Ihren Beiträgen zu Diskussionen und Aktionen. Nur durch regelmäßige Besuche können Programme wie dieses gepflegt und weiterentwickelt werden.</translation>
    </message>
    <message>
        <source>%1 is a free online forum on astrology, numerology and the occult. Visiting it regularly helps us to develop and maintain this software.</source>
        <translation>%1 ist ein kostenloses Online-Forum über Astrologie, Numerologie und Okkultismus. Mit regelmäßigen Besuchen helfen Sie uns, diese Software zu pflegen und weiterzuentwickeln.</translation>
    </message>
    <message>
        <source>%1 needs your help! Visit it regularly and join the various discussions and activities on the board. That way you will help us maintain and develop more Orvaneth Softwares.</source>
        <translation>%1 braucht Ihre Hilfe! Besuchen Sie das Forum regelmäßig und machen Sie bei Diskussionen und Aktionen mit. So helfen Sie uns, weitere Orvaneth-Programme zu pflegen und zu entwickeln.</translation>
    </message>
    <message>
        <source>Orvaneth Softwares, such as this can be created and maintained only with your support. The best way to support Orvaneth is to visit %1 regularly and to join in the discussions and other board activities.</source>
        <translation>Orvaneth-Programme wie dieses entstehen und bestehen nur mit Ihrer Unterstützung. Am besten unterstützen Sie Orvaneth, indem Sie regelmäßig %1 besuchen und bei Diskussionen und anderen Aktionen im Forum mitmachen.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the host name of the discussion board.</extracomment>
        <translation>Besuchen Sie jetzt %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Lunavik icon</source>
        <translation>Lunavik-Symbol</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>same as the English</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Hier klicken für mehr Details.</translation>
    </message>
</context>
<context>
    <name>frmInnerDrmOrPerNo</name>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translatorcomment>same as the English</translatorcomment>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translatorcomment>same as the English</translatorcomment>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translatorcomment>same as the English</translatorcomment>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translatorcomment>same as the English</translatorcomment>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Unsere &amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Über diese Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Online Geld verdienen</translation>
    </message>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Bitte füllen Sie die folgenden Felder aus:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Zweiter Vorname</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Tag der Geburt</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Geburtsmonat</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Geburtsjahr</translation>
    </message>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Bitte geben Sie Ihren Vornamen ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Bitte geben Sie Ihren Nachnamen ein.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Bitte wählen Sie den Tag Ihrer Geburt aus.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Bitte wählen Sie Ihren Geburtsmonat aus.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Bitte wählen Sie Ihr Geburtsjahr aus.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>A day past the end of February. The refusal of the 31st of a 30-day month is the same text with a space before &quot;!&quot;: keep them apart where your language allows.</extracomment>
        <translation>Bitte wählen Sie einen gültigen Tag oder Monat aus!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <extracomment>The 31st of a 30-day month. A day past the end of February is refused with the same text without the space before &quot;!&quot;: keep them apart where your language allows.</extracomment>
        <translation>Bitte wählen Sie einen gültigen Tag oder Monat aus!</translation>
    </message>
</context>
<context>
    <name>frmNagScreen2</name>
    <message>
        <source>Download Orvaneth Softwares</source>
        <translation>Weitere Orvaneth-Programme</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvaneth Softwares</source>
        <translation>Zu den Orvaneth-Programmen</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Weiterempfehlen</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <extracomment>The box&apos;s name for a screen reader; its hint &quot;Friend&apos;s Name&quot; is another text.</extracomment>
        <translation>Name Ihres Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <extracomment>The box&apos;s name for a screen reader; its hint &quot;Friend&apos;s Email Address&quot; is another text.</extracomment>
        <translation>E-Mail-Adresse Ihres Freundes</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <extracomment>The box&apos;s name for a screen reader; its hint &quot;Your Email Address&quot; is another text.</extracomment>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Jetzt &amp;weiterempfehlen</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>The box&apos;s name for a screen reader; its hint &quot;Your Name&quot; is another text.</extracomment>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Lunavik icon</source>
        <translation>Lunavik-Symbol</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Eine E-Mail-Adresse darf keine Leerzeichen enthalten.</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits.</translation>
    </message>
    <message>
        <source>Lunavik cannot start: its lock file<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>is left over from an earlier run and cannot be removed. Remove it, then start Lunavik again.</source>
        <extracomment>%1 is the path of the lock file; each carriage return starts a new line.</extracomment>
        <translation>Lunavik kann nicht starten: Die Sperrdatei<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>stammt von einem früheren Lauf und lässt sich nicht entfernen. Entfernen Sie sie und starten Sie Lunavik dann erneut.</translation>
    </message>
</context>
<context>
    <name>link_strips</name>
    <message>
        <source>Offers</source>
        <translation>Angebote</translation>
    </message>
    <message>
        <source>Co-branding offer</source>
        <translation>Co-Branding-Angebot</translation>
    </message>
    <message>
        <source>Fully-branded offer</source>
        <translation>Angebot mit eigener Marke</translation>
    </message>
    <message>
        <source>Discussion board banner</source>
        <translation>Forum-Banner</translation>
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
        <translation>Möglicherweise gibt es eine neue Version dieser Software.<byte value="xd"/>Möchten Sie nach Updates suchen?</translation>
    </message>
    <message>
        <source>Lunavik could not open the page in your web browser.</source>
        <translation>Lunavik konnte die Seite nicht in Ihrem Webbrowser öffnen.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein.</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte geben Sie Ihre Nachricht ein.</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name Ihres Freundes</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte geben Sie den Namen Ihres Freundes ein.</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse Ihres Freundes</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte geben Sie die E-Mail-Adresse Ihres Freundes ein.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte geben Sie zwei verschiedene E-Mail-Adressen ein.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein.</translation>
    </message>
</context>
</TS>
