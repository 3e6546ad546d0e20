<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>Computes the inner dreams number of a full name.</source>
        <translation>Calcula el número de los sueños íntimos de un nombre completo.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Prueba «%1 --help» para más información.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;; Lunavik opens no files.</source>
        <translation>argumento inesperado «%1»; Lunavik no abre archivos.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;.</source>
        <translation>opción desconocida «%1».</translation>
    </message>
    <message>
        <source>no display found (%1 is not set); to run Lunavik on a virtual one: xvfb-run %2</source>
        <translation>no se encontró ninguna pantalla (%1 no está definida); para ejecutar Lunavik en una pantalla virtual: xvfb-run %2</translation>
    </message>
    <message>
        <source>no display found (DISPLAY and WAYLAND_DISPLAY are not set); to run Lunavik on a virtual one: xvfb-run %1</source>
        <translation>no se encontró ninguna pantalla (DISPLAY y WAYLAND_DISPLAY no están definidas); para ejecutar Lunavik en una pantalla virtual: xvfb-run %1</translation>
    </message>
    <message>
        <source>the platform plugin %1 could not be started; to run Lunavik on a virtual display: %2</source>
        <translation>no se pudo iniciar el complemento de plataforma %1; para ejecutar Lunavik en una pantalla virtual: %2</translation>
    </message>
    <message>
        <source>the platform plugins %1 could not be started; to run Lunavik on a virtual display: %2</source>
        <translation>no se pudieron iniciar los complementos de plataforma %1; para ejecutar Lunavik en una pantalla virtual: %2</translation>
    </message>
    <message>
        <source>cannot reach the display %1; to run Lunavik on a virtual one: %2</source>
        <translation>no se puede acceder a la pantalla %1; para ejecutar Lunavik en una pantalla virtual: %2</translation>
    </message>
    <message>
        <source>cannot reach the displays %1 and %2; to run Lunavik on a virtual one: %3</source>
        <translation>no se puede acceder a las pantallas %1 y %2; para ejecutar Lunavik en una pantalla virtual: %3</translation>
    </message>
    <message>
        <source>the platform plugin %1 could not be started; install Lunavik again to put this right</source>
        <translation>no se pudo iniciar el complemento de plataforma %1; vuelve a instalar Lunavik para solucionar el problema</translation>
    </message>
    <message>
        <source>the platform plugins %1 could not be started; install Lunavik again to put this right</source>
        <translation>no se pudieron iniciar los complementos de plataforma %1; vuelve a instalar Lunavik para solucionar el problema</translation>
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
        <translation>Lunavik se ejecuta sin comprobar si hay otra copia en ejecución: no encuentra ninguna carpeta que solo tú puedas abrir para su archivo de bloqueo.</translation>
    </message>
    <message>
        <source>Lunavik runs without its check for a second copy: it cannot write its lock file %1.</source>
        <translation>Lunavik se ejecuta sin comprobar si hay otra copia en ejecución: no puede escribir su archivo de bloqueo %1.</translation>
    </message>
</context>
<context>
    <name>UserSettings</name>
    <message>
        <source>Lunavik cannot save its settings in %1: it may not write there.</source>
        <translation>Lunavik no puede guardar su configuración en %1: no tiene permiso para escribir ahí.</translation>
    </message>
    <message>
        <source>Lunavik does not use its settings file %1: it is not a plain file.</source>
        <translation>Lunavik no usa su archivo de configuración %1: no es un archivo normal.</translation>
    </message>
    <message>
        <source>Lunavik cannot read its settings file %1.</source>
        <translation>Lunavik no puede leer su archivo de configuración %1.</translation>
    </message>
    <message>
        <source>Lunavik does not read its settings file %1: it is damaged and cannot be set aside.</source>
        <translation>Lunavik no lee su archivo de configuración %1: está dañado y no se puede apartar.</translation>
    </message>
    <message>
        <source>Lunavik cannot keep its settings: it finds no configuration folder it can use (XDG_CONFIG_HOME, HOME).</source>
        <translation>Lunavik no puede conservar su configuración: no encuentra ninguna carpeta de configuración que pueda usar (XDG_CONFIG_HOME, HOME).</translation>
    </message>
</context>
<context>
    <name>captions</name>
    <message>
        <source>Co-brand this software for your site. Get more loyalty &amp;&amp; traffic. Put your site&apos;s name and link in this place. See Help for details. Click here for more information on co-branding.</source>
        <extracomment>&quot;&amp;&amp;&quot; shows as one ampersand.</extracomment>
        <translation>Pon la marca de tu sitio web en este programa y gana fidelidad y tráfico: tu nombre y tu enlace aparecerán aquí. Detalles en la Ayuda. Haz clic aquí para saber más sobre el co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu propio negocio en Internet y gana dinero en línea con este programa bajo la marca de tu sitio web. Haz clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>The most popular online numerology board and the best resource on the topic. Visit us at %1</source>
        <extracomment>%1 is the host name of the discussion board.</extracomment>
        <translation>El foro de numerología más popular de Internet y el mejor recurso sobre el tema. Visítanos en %1</translation>
    </message>
    <message>
        <source>Lunavik Software helps you to uncover your secret dreams or inner desires and to have a better understanding about them. This software gives an insight into your personality as well. All it needs is your name.</source>
        <translation>Lunavik te ayuda a descubrir tus sueños secretos y tus deseos más íntimos, y a comprenderlos mejor. También te permite conocer mejor tu personalidad. Solo necesita tu nombre.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. </source>
        <extracomment>The main window&apos;s offer without its last sentence, which the link below it says instead; the space at the end shows nothing, but keep it.</extracomment>
        <translation>Oportunidad de negocio desde casa. Crea tu propio negocio en Internet y gana dinero en línea con este programa bajo la marca de tu sitio web. </translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the maker&apos;s web site.</extracomment>
        <translation>Visítanos en %1</translation>
    </message>
</context>
<context>
    <name>engine</name>
    <message>
        <source>Your Inner Dreams Number is: </source>
        <extracomment>The number follows this text.</extracomment>
        <translation>Tu número de los sueños íntimos es: </translation>
    </message>
    <message>
        <source>As the name suggests this number is associated with your personality or your nature. It signifies your level of comfort in relationships and how much of yourself you are willing to let others know about.</source>
        <translation>Como el propio nombre indica, este número está ligado a tu personalidad, a tu forma de ser. Refleja lo a gusto que te sientes en tus relaciones y cuánto de ti quieres mostrar a los demás.</translation>
    </message>
    <message>
        <source>Great feeling of importance is what you love. You dream of courage, daring and novel ideas. You see yourself as a pioneer in your own field. At first you may seem aggressive and a little too sure of yourself. Underneath is a confident and dynamic spirit. You like to be in control of what happens around you. You are at ease with your own personality.</source>
        <translation>Te encanta sentirte importante. Sueñas con el valor, la audacia y las ideas nuevas. Te ves abriendo camino en tu propio campo. A primera vista puedes transmitir agresividad y un exceso de confianza. Por debajo late un espíritu seguro y dinámico. Te gusta tener el control de lo que ocurre a tu alrededor. Te sientes a gusto con tu propia personalidad.</translation>
    </message>
    <message>
        <source>You dream about having close relationships with your friends and other people nearby. You are a good peacemaker at heart. Quiet and charming in a silent way, you are easy to get along with. You would rather stay out of the limelight and let others shine. You are patient and a good listener. You have a gift for making people feel wanted.</source>
        <translation>Sueñas con tener una relación cercana con tus amigos y con la gente que te rodea. En el fondo, sabes poner paz. Con tu encanto tranquilo y discreto, resulta fácil llevarse bien contigo. Prefieres mantenerte lejos de los focos y dejar que brillen los demás. Eres paciente y sabes escuchar. Tienes el don de hacer que la gente se sienta querida.</translation>
    </message>
    <message>
        <source>All forms of art are you dream roles. You excel in writing, acting, painting and music. You wish to express your inner feelings freely and to enjoy life. Charming and witty, you are the life of the crowd. You dream of being glamorous, happy and optimistic. You like to be admired and appreciated for all that you do. You bring colour and joy to everyone who is lucky enough to share your company.</source>
        <translation>Todas las formas de arte son los papeles con los que sueñas. Destacas en la escritura, la interpretación, la pintura y la música. Deseas expresar libremente lo que sientes y disfrutar de la vida. Con tu encanto y tu ingenio, eres el alma de la fiesta. Sueñas con una vida glamurosa y feliz, llena de optimismo. Te gusta que te admiren y te valoren por todo lo que haces. Llenas de color y alegría la vida de quienes tienen la suerte de disfrutar de tu compañía.</translation>
    </message>
    <message>
        <source>You visualize of being someone rock-solid whom everyone can depend on. You are very well organized and a meticulous planner. You like order and a predictable consistency in your life. You are honest and trustworthy, reliable and practical. You understand the value of every penny you have earned.</source>
        <translation>Te imaginas como alguien sólido como una roca, en quien todos pueden confiar. La organización es lo tuyo y planificas con todo detalle. Te gustan el orden y una constancia previsible en tu vida. Eres una persona honrada y práctica, y se puede contar contigo. Conoces el valor de cada céntimo que has ganado.</translation>
    </message>
    <message>
        <source>You would love to be totally free and unreserved by responsibility. You love travel and meeting people of other cultures. You live for adventure and often take risks. Stimulating and quick-minded, you have an infectious happy attitude. You like to imagine all that might be accomplished. At times you may be irresponsible and self-indulgent.</source>
        <translation>Te encantaría ser totalmente libre, sin ataduras ni responsabilidades. Disfrutas viajando y conociendo gente de otras culturas. Vives para la aventura y a menudo corres riesgos. Con tu mente ágil y estimulante, contagias a todos tu alegría. Te gusta imaginar todo lo que podría lograrse. A veces puedes pecar de irresponsabilidad y darte demasiados caprichos.</translation>
    </message>
    <message>
        <source>You love your family and relations. You crave the devotion of your offspring and of a loving spouse. You dream of a picture-perfect domestic life. You have a fine sense of justice and fairness. You are compassionate. You keep harmony among the people around you. You are generous, reliable and trustworthy as well.</source>
        <translation>Amas a tu familia y a tus parientes. Anhelas el cariño de tus hijos y de una pareja que te quiera. Sueñas con una vida familiar de postal. Tienes un gran sentido de la justicia y la equidad. Sientes compasión por los demás. Mantienes la armonía entre quienes te rodean. Además, tienes un corazón generoso y se puede confiar plenamente en ti.</translation>
    </message>
    <message>
        <source>You love to grab all opportunities you get to read and shut yourself away from the worldly distractions. You are serious and intelligent. You do not let people get very close to you. You feel different from others, and in fact you are. You are spiritually inclined. You want to spend your whole life in the pursuit of knowledge and wisdom.</source>
        <translation>Aprovechas cualquier ocasión para leer y apartarte de las distracciones mundanas. Eres una persona seria e inteligente. No dejas que la gente se acerque demasiado a ti. Te sientes diferente de los demás, y de hecho lo eres. Sientes inclinación por lo espiritual. Quieres dedicar toda tu vida a la búsqueda del conocimiento y la sabiduría.</translation>
    </message>
    <message>
        <source>Your vision is success in the business or political world, of power and control of large material undertakings. You crave authority and want recognition of your executive skills. You are confident, successful, strong and dynamic. Others feel drawn to your powerful personality and want to learn your ways.</source>
        <translation>Sueñas con el éxito en el mundo de los negocios o de la política, con el poder y con la dirección de grandes empresas. Anhelas autoridad y quieres que se reconozca tu talento para dirigir. Transmites seguridad, éxito, fuerza y dinamismo. Los demás se sienten atraídos por tu fuerte personalidad y quieren aprender de ti.</translation>
    </message>
    <message>
        <source>You are kind and compassionate. You are creative and gifted with many artistic talents. You are aristocratic and noble in your bearing. Others count on you for support and wise advice. You have excellent taste. You may be sensitive and emotional at times. Yet you stay self-controlled whatever happens around you. You want to do much for humanity.</source>
        <translation>La bondad y la compasión te definen. Eres una persona creativa, con muchos talentos artísticos. Tu porte es aristocrático y noble. Los demás cuentan contigo para recibir apoyo y sabios consejos. Tienes un gusto excelente. A veces te dejas llevar por la sensibilidad y las emociones. Aun así, mantienes el autocontrol pase lo que pase a tu alrededor. Quieres hacer mucho por la humanidad.</translation>
    </message>
    <message>
        <source>You have the dream of casting the light of illumination; being the true idealist. You are of the silent, shy type, but your own efforts have improved you a lot. You radiate a warmth that naturally attracts other people to you. You like peace and keep all disturbances out of your life. You are sensitive, charming and a wonderful listener.</source>
        <translation>Sueñas con llevar la luz a quienes te rodean y vivir de verdad tus ideales. Tu carácter es callado y tímido, pero tu propio esfuerzo te ha hecho crecer mucho. Irradias una calidez que atrae de forma natural a los demás. Te gusta la paz y mantienes alejada de tu vida cualquier perturbación. Tienes sensibilidad y encanto, y sabes escuchar como nadie.</translation>
    </message>
    <message>
        <source>You have big dreams of being the pioneer behind something truly monumental. You think big and dream big, and you have what it takes to fulfil those dreams. You are innovative, yet simple at heart. You are responsible and efficient in all that you do. With a little perseverance and focus you will succeed at anything. You are a true leader and motivator.</source>
        <translation>Tienes el gran sueño de impulsar algo verdaderamente monumental. Piensas en grande y sueñas en grande, y tienes lo necesario para hacer realidad esos sueños. Innovas sin perder la sencillez de corazón. Actúas con responsabilidad y eficacia en todo lo que haces. Con un poco de constancia y concentración, lograrás lo que te propongas. Tienes madera de líder y sabes motivar a los demás.</translation>
    </message>
</context>
<context>
    <name>exit_texts</name>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvaneth Softwares. We have a whole range of programs on astrology, psychic abilities, tarot, numerology and the occult. Each of them is easy to use and gives you a fresh insight into your life, your relationships, your hidden talents and your future.</source>
        <translation>Si te ha gustado este programa, seguro que te interesan los demás programas de Orvaneth. Tenemos toda una gama de programas de astrología, poderes paranormales, tarot, numerología y ocultismo. Todos son fáciles de usar y te ofrecen una nueva mirada sobre tu vida, tus relaciones, tus talentos ocultos y tu futuro.</translation>
    </message>
    <message>
        <source>Download them and try them out for yourself today. We are sure you will find them just as rewarding. Then do share the experience with your friends and family, and let them discover what our programs can reveal about them too!</source>
        <translation>Descárgalos y pruébalos hoy mismo: seguro que te resultan igual de gratificantes. ¡Y luego comparte la experiencia con tus amigos y tu familia para que también descubran lo que nuestros programas revelan sobre ellos!</translation>
    </message>
    <message>
        <source>Please visit %1 regularly and support it by taking part in the discussions and other activities. Programs like this cannot be supported and maintained unless you visit the site regularly.</source>
        <translation>Visita %1 con regularidad y apóyalo participando en los debates y demás actividades. Programas como este solo pueden mantenerse y mejorar si visitas el sitio web con frecuencia.</translation>
    </message>
    <message>
        <source>%1 is a free online forum on astrology, numerology and the occult. Visiting it regularly helps us to develop and maintain this software.</source>
        <translation>%1 es un foro gratuito en línea sobre astrología, numerología y ocultismo. Visitarlo con regularidad nos ayuda a desarrollar y mantener este programa.</translation>
    </message>
    <message>
        <source>%1 needs your help! Visit it regularly and join the various discussions and activities on the board. That way you will help us maintain and develop more Orvaneth Softwares.</source>
        <translation>¡%1 necesita tu ayuda! Visítalo con regularidad y participa en los debates y actividades del foro. Así nos ayudarás a mantener y desarrollar más programas de Orvaneth.</translation>
    </message>
    <message>
        <source>Orvaneth Softwares, such as this can be created and maintained only with your support. The best way to support Orvaneth is to visit %1 regularly and to join in the discussions and other board activities.</source>
        <translation>Los programas de Orvaneth como este solo pueden crearse y mantenerse con tu apoyo. La mejor forma de apoyar a Orvaneth es visitar %1 con regularidad y participar en los debates y demás actividades del foro.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the host name of the discussion board.</extracomment>
        <translation>Visita %1 ahora</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Lunavik icon</source>
        <translation>Icono de Lunavik</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Separador</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Haz clic aquí para más detalles.</translation>
    </message>
</context>
<context>
    <name>frmInnerDrmOrPerNo</name>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Ayuda en línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nuestro sitio web</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Acerca &amp;de este programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganar dinero en línea</translation>
    </message>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Rellena los siguientes datos:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Segundo nombre</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Día de nacimiento</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>Mes de nacimiento</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Año de nacimiento</translation>
    </message>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Escribe tu nombre.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Escribe tus apellidos.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Elige el día de tu nacimiento.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Elige el mes de tu nacimiento.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Elige el año de tu nacimiento.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>A day past the end of February. The refusal of the 31st of a 30-day month is the same text with a space before &quot;!&quot;: keep them apart where your language allows.</extracomment>
        <translation>¡Comprueba el día o el mes!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <extracomment>The 31st of a 30-day month. A day past the end of February is refused with the same text without the space before &quot;!&quot;: keep them apart where your language allows.</extracomment>
        <translation>¡Comprueba el día o el mes!</translation>
    </message>
</context>
<context>
    <name>frmNagScreen2</name>
    <message>
        <source>Download Orvaneth Softwares</source>
        <translation>Descarga programas de Orvaneth</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvaneth Softwares</source>
        <translation>Conoce los programas de Orvaneth</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomiéndanos</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <extracomment>The box&apos;s name for a screen reader; its hint &quot;Friend&apos;s Name&quot; is another text.</extracomment>
        <translation>Nombre de tu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s e-mail address</source>
        <extracomment>The box&apos;s name for a screen reader; its hint &quot;Friend&apos;s Email Address&quot; is another text.</extracomment>
        <translation>Correo electrónico de tu amigo</translation>
    </message>
    <message>
        <source>Your e-mail address</source>
        <extracomment>The box&apos;s name for a screen reader; its hint &quot;Your Email Address&quot; is another text.</extracomment>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recomendar ahora</translation>
    </message>
    <message>
        <source>Your name</source>
        <extracomment>The box&apos;s name for a screen reader; its hint &quot;Your Name&quot; is another text.</extracomment>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>Lunavik icon</source>
        <translation>Icono de Lunavik</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>El correo electrónico no puede contener espacios.</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>El programa ya se está ejecutando.</translation>
    </message>
    <message>
        <source>Lunavik cannot start: its lock file<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>is left over from an earlier run and cannot be removed. Remove it, then start Lunavik again.</source>
        <extracomment>%1 is the path of the lock file; each carriage return starts a new line.</extracomment>
        <translation>Lunavik no puede iniciarse: el archivo de bloqueo<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>quedó tras una ejecución anterior y no se puede eliminar. Elimínalo y vuelve a iniciar Lunavik.</translation>
    </message>
</context>
<context>
    <name>link_strips</name>
    <message>
        <source>Offers</source>
        <translation>Ofertas</translation>
    </message>
    <message>
        <source>Co-branding offer</source>
        <translation>Oferta de co-branding</translation>
    </message>
    <message>
        <source>Fully-branded offer</source>
        <translation>Oferta con tu propia marca</translation>
    </message>
    <message>
        <source>Discussion board banner</source>
        <translation>Banner del foro</translation>
    </message>
    <message>
        <source>Discussion board</source>
        <translation>Foro</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>The carriage return between the sentences starts the second on a new line.</extracomment>
        <translation>Puede que haya una actualización de este programa.<byte value="xd"/>¿Quieres buscar actualizaciones?</translation>
    </message>
    <message>
        <source>Lunavik could not open the page in your web browser.</source>
        <translation>Lunavik no ha podido abrir la página en tu navegador web.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escribe tu nombre.</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Escribe tu correo electrónico.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Escribe tu mensaje.</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de tu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Escribe el nombre de tu amigo.</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo electrónico de tu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Escribe el correo electrónico de tu amigo.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Escribe dos correos electrónicos distintos.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Escribe un correo electrónico válido.</translation>
    </message>
</context>
</TS>
